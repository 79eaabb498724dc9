<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name></name>
    <message id="ErrorMessage">
        <source>ErrorMessage</source>
        <translation>Cannot Read the Photograph</translation>
    </message>
    <message id="FailedOpenMsg">
        <source>FailedOpenMsg</source>
        <translation>The file is not a JPEG, TIFF or Photoshop image, or it is damaged.</translation>
    </message>
    <message id="NoExifMsg">
        <source>NoExifMsg</source>
        <translation>This Photoshop file holds no image resources, so it has no Exif information.</translation>
    </message>
    <message id="NotTiffMsg">
        <source>NotTiffMsg</source>
        <translation>The file is not a valid TIFF image.</translation>
    </message>
    <message id="NotPSDMsg">
        <source>NotPSDMsg</source>
        <translation>The file is not a valid Photoshop image.</translation>
    </message>
    <message id="NotJpegMsg">
        <source>NotJpegMsg</source>
        <translation>The JPEG file is damaged: a segment reaches beyond the end of the file.</translation>
    </message>
    <message id="FailJpegMsg">
        <source>FailJpegMsg</source>
        <translation>No Exif information was found in this JPEG file.</translation>
    </message>
    <message id="FailPSDMsg">
        <source>FailPSDMsg</source>
        <translation>No Exif information could be read from this Photoshop file.</translation>
    </message>
    <message id="FailTiffMsg">
        <source>FailTiffMsg</source>
        <translation>No Exif information could be read from this TIFF file.</translation>
    </message>
    <message id="IfdError">
        <source>IfdError</source>
        <translation>Damaged Exif Information</translation>
    </message>
    <message id="IfdErrorMessage">
        <source>IfdErrorMessage</source>
        <translation>The Exif information of this photograph is damaged and cannot be read.</translation>
    </message>
    <message id="ExifError">
        <source>ExifError</source>
        <translation>No Exif Information</translation>
    </message>
    <message id="FailExifMessage">
        <source>FailExifMessage</source>
        <translation>The Exif information of this photograph could not be read.</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message id="Ok">
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message id="OK">
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message id="DropError">
        <source>DropError</source>
        <translation>Cannot Open the File</translation>
    </message>
    <message id="OnlyTiffOrJpegOrPsdMessage">
        <source>OnlyTiffOrJpegOrPsdMessage</source>
        <translation>Only TIFF, JPEG and Photoshop (PSD) files can be opened.</translation>
    </message>
    <message id="lensDelCaution">
        <source>lensDelCaution</source>
        <translation>Delete Lens</translation>
    </message>
    <message id="lensDelMessage">
        <source>lensDelMessage</source>
        <translation>Do you want to delete the lens “%1” from your lens list?</translation>
    </message>
    <message id="lensNotDelete">
        <source>lensNotDelete</source>
        <translation>Cannot Delete Lens</translation>
    </message>
    <message id="lensNotDeleteMsg">
        <source>lensNotDeleteMsg</source>
        <translation>The lens “%1” is not in your lens list.</translation>
    </message>
    <message id="settingsNotSaved">
        <source>settingsNotSaved</source>
        <translation>Settings not saved</translation>
    </message>
    <message id="settingsNotSavedMsg">
        <source>settingsNotSavedMsg</source>
        <translation>Your settings could not be saved; changes made now will be lost when Kestavolin quits.</translation>
    </message>
    <message id="lensOverFlow">
        <source>lensOverFlow</source>
        <translation>Lens List Is Full</translation>
    </message>
    <message id="lensOverMsg">
        <source>lensOverMsg</source>
        <translation>No more lenses can be added. Delete a lens you no longer use first.</translation>
    </message>
    <message id="tapeLengthTitle">
        <source>tapeLengthTitle</source>
        <translation>Tape Length</translation>
    </message>
    <message id="tapeSetMsg">
        <source>tapeSetMsg</source>
        <translation>Set the tape length on the printer to:</translation>
    </message>
    <message id="printFailedTitle">
        <source>printFailedTitle</source>
        <translation>Printing failed</translation>
    </message>
    <message id="printNoQueueMsg">
        <source>printNoQueueMsg</source>
        <translation>There is no print queue named “%1”.</translation>
    </message>
    <message id="printQueueStoppedMsg">
        <source>printQueueStoppedMsg</source>
        <translation>The print queue “%1” is stopped.</translation>
    </message>
    <message id="printQueueRefusesMsg">
        <source>printQueueRefusesMsg</source>
        <translation>The print queue “%1” does not accept jobs.</translation>
    </message>
    <message id="printNoTapeSizeMsg">
        <source>printNoTapeSizeMsg</source>
        <translation>The printer of the queue “%1” takes no %2.</translation>
    </message>
    <message id="printLabelTooLongMsg">
        <source>printLabelTooLongMsg</source>
        <translation>The label is longer than the printer of the queue “%1” can print.</translation>
    </message>
    <message id="printLabelTooWideMsg">
        <source>printLabelTooWideMsg</source>
        <translation>The label is too wide for the printer of the queue “%1”.</translation>
    </message>
    <message id="printJobNotCreatedMsg">
        <source>printJobNotCreatedMsg</source>
        <translation>The label could not be sent to the print queue “%1”.</translation>
    </message>
    <message id="printNoLabelsMsg">
        <source>printNoLabelsMsg</source>
        <translation>There is no label to send to “%1”.</translation>
    </message>
    <message id="printNotWrittenMsg">
        <source>printNotWrittenMsg</source>
        <translation>The label could not be written to “%1”.</translation>
    </message>
    <message id="pdfNoLabelsMsg">
        <source>pdfNoLabelsMsg</source>
        <translation>There is no label to write to “%1”.</translation>
    </message>
    <message id="pdfNoDraftMsg">
        <source>pdfNoDraftMsg</source>
        <translation>“%1” cannot be written: no draft file can be made beside it (%2).</translation>
    </message>
    <message id="pdfNotWrittenMsg">
        <source>pdfNotWrittenMsg</source>
        <translation>“%1” could not be written: %2.</translation>
    </message>
    <message id="pdfUnknownFormMsg">
        <source>pdfUnknownFormMsg</source>
        <translation>the PDF writer made a file of a form this program does not know</translation>
    </message>
    <message id="pdfFileErrorMsg">
        <source>pdfFileErrorMsg</source>
        <translation>the file could not be read or written (%1)</translation>
    </message>
    <message id="printJobCancelledMsg">
        <source>printJobCancelledMsg</source>
        <translation>The job on the print queue “%1” was cancelled; the label was not printed.</translation>
    </message>
    <message id="printJobAbortedMsg">
        <source>printJobAbortedMsg</source>
        <translation>The print queue “%1” could not print the label.</translation>
    </message>
    <message id="printJobLostMsg">
        <source>printJobLostMsg</source>
        <translation>The print service no longer knows the job sent to “%1”; look at the printer.</translation>
    </message>
    <message id="printJobWaitingMsg">
        <source>printJobWaitingMsg</source>
        <translation>The label is still waiting in the print queue “%1”.</translation>
    </message>
    <message id="printServiceNotAnsweringMsg">
        <source>printServiceNotAnsweringMsg</source>
        <translation>The print service (%2) does not answer; nothing was sent to “%1”.</translation>
    </message>
    <message id="printServiceUnreachableMsg">
        <source>printServiceUnreachableMsg</source>
        <translation>The print service (%2) cannot be reached; nothing was sent to “%1”.</translation>
    </message>
    <message id="printServiceSilentMsg">
        <source>printServiceSilentMsg</source>
        <translation>The print service (%1) does not answer, so nothing can be printed now. Try again once it answers.</translation>
    </message>
    <message id="printLoadedTooNarrowMsg">
        <source>printLoadedTooNarrowMsg</source>
        <translation>The printer has %1 loaded; %2 labels need %3</translation>
    </message>
    <message id="printNoDocumentFormatMsg">
        <source>printNoDocumentFormatMsg</source>
        <translation>The printer “%1” takes neither PDF nor PWG raster documents.</translation>
    </message>
    <message id="printJobQueueGoneMsg">
        <source>printJobQueueGoneMsg</source>
        <translation>The print queue “%1” was deleted while the job waited in it; the label was not printed.</translation>
    </message>
    <message id="mediumTape">
        <source>mediumTape</source>
        <translation>%1 mm tape</translation>
    </message>
    <message id="mediumRoll">
        <source>mediumRoll</source>
        <translation>a %1 mm roll</translation>
    </message>
    <message id="mediumLabels">
        <source>mediumLabels</source>
        <translation>%1 × %2 mm labels</translation>
    </message>
    <message id="mediumRollAtLeast">
        <source>mediumRollAtLeast</source>
        <translation>a roll at least %1 mm wide</translation>
    </message>
    <message id="mediumOnPrinter">
        <source>mediumOnPrinter</source>
        <translation>%1 on %2</translation>
    </message>
    <message id="listSeparator">
        <source>listSeparator</source>
        <translation>, </translation>
    </message>
    <message id="printerMediaEmpty">
        <source>printerMediaEmpty</source>
        <translation>out of media</translation>
    </message>
    <message id="printerMediaNeeded">
        <source>printerMediaNeeded</source>
        <translation>waiting for media to be loaded</translation>
    </message>
    <message id="printerMediaJam">
        <source>printerMediaJam</source>
        <translation>media jammed</translation>
    </message>
    <message id="printerCoverOpen">
        <source>printerCoverOpen</source>
        <translation>cover open</translation>
    </message>
    <message id="printerOffline">
        <source>printerOffline</source>
        <translation>offline</translation>
    </message>
    <message id="printerPaused">
        <source>printerPaused</source>
        <translation>paused</translation>
    </message>
    <message id="printerStopped">
        <source>printerStopped</source>
        <translation>stopped</translation>
    </message>
    <message id="printerNoticeMsg">
        <source>printerNoticeMsg</source>
        <translation>Printer “%1”: %2. Job %3 (%4) waits until this is seen to.</translation>
    </message>
    <message id="printScaledTitle">
        <source>printScaledTitle</source>
        <translation>Label shrunk to fit</translation>
    </message>
    <message id="printScaledMsg">
        <source>printScaledMsg</source>
        <translation>The printer prints a narrower width than the label's: the label is printed at %1% of its size.</translation>
    </message>
    <message id="Title">
        <source>Title</source>
        <translation>Title</translation>
    </message>
    <message id="Photographer">
        <source>Photographer</source>
        <translation>Photographer</translation>
    </message>
    <message id="UnknownSens">
        <source>UnknownSens</source>
        <translation>Unknown</translation>
    </message>
    <message id="OtherSens">
        <source>OtherSens</source>
        <translation>Other</translation>
    </message>
    <message id="AutoBracket">
        <source>AutoBracket</source>
        <translation>Auto bracket</translation>
    </message>
    <message id="NotDefined">
        <source>NotDefined</source>
        <translation>Not defined</translation>
    </message>
    <message id="Manual">
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message id="NormalProgram">
        <source>NormalProgram</source>
        <translation>Program AE</translation>
    </message>
    <message id="AperturePriority">
        <source>AperturePriority</source>
        <translation>Aperture priority</translation>
    </message>
    <message id="ShutterPriority">
        <source>ShutterPriority</source>
        <translation>Shutter priority</translation>
    </message>
    <message id="CreativeProgram">
        <source>CreativeProgram</source>
        <translation>Creative program</translation>
    </message>
    <message id="ActionProgram">
        <source>ActionProgram</source>
        <translation>Action program</translation>
    </message>
    <message id="PortraitMode">
        <source>PortraitMode</source>
        <translation>Portrait mode</translation>
    </message>
    <message id="LandscapeMode">
        <source>LandscapeMode</source>
        <translation>Landscape mode</translation>
    </message>
    <message id="MeteringModeUnknown">
        <source>MeteringModeUnknown</source>
        <translation>Unknown metering</translation>
    </message>
    <message id="Average">
        <source>Average</source>
        <translation>Average</translation>
    </message>
    <message id="CenterWeightedAverage">
        <source>CenterWeightedAverage</source>
        <translation>Center-weighted average</translation>
    </message>
    <message id="Spot">
        <source>Spot</source>
        <translation>Spot</translation>
    </message>
    <message id="MultiSpot">
        <source>MultiSpot</source>
        <translation>Multi-spot</translation>
    </message>
    <message id="Pattern">
        <source>Pattern</source>
        <translation>Multi-segment</translation>
    </message>
    <message id="Partial">
        <source>Partial</source>
        <translation>Partial</translation>
    </message>
    <message id="OtherMeteringMode">
        <source>OtherMeteringMode</source>
        <translation>Other metering</translation>
    </message>
    <message id="LightSourceUnknown">
        <source>LightSourceUnknown</source>
        <translation>Unknown light</translation>
    </message>
    <message id="Daylight">
        <source>Daylight</source>
        <translation>Daylight</translation>
    </message>
    <message id="Fluorescent">
        <source>Fluorescent</source>
        <translation>Fluorescent</translation>
    </message>
    <message id="Tungstenlight">
        <source>Tungstenlight</source>
        <translation>Tungsten</translation>
    </message>
    <message id="Flashlight">
        <source>Flashlight</source>
        <translation>Flash</translation>
    </message>
    <message id="FineWeather">
        <source>FineWeather</source>
        <translation>Fine weather</translation>
    </message>
    <message id="CloudyWeather">
        <source>CloudyWeather</source>
        <translation>Cloudy</translation>
    </message>
    <message id="Shade">
        <source>Shade</source>
        <translation>Shade</translation>
    </message>
    <message id="DaylightFluorescent">
        <source>DaylightFluorescent</source>
        <translation>Daylight fluorescent</translation>
    </message>
    <message id="DayWhiteFluorescent">
        <source>DayWhiteFluorescent</source>
        <translation>Day white fluorescent</translation>
    </message>
    <message id="CoolWhiteFluorescent">
        <source>CoolWhiteFluorescent</source>
        <translation>Cool white fluorescent</translation>
    </message>
    <message id="WhiteFluorescent">
        <source>WhiteFluorescent</source>
        <translation>White fluorescent</translation>
    </message>
    <message id="WarmFluorescent">
        <source>WarmFluorescent</source>
        <translation>Warm white fluorescent</translation>
    </message>
    <message id="StandardLightA">
        <source>StandardLightA</source>
        <translation>Standard light A</translation>
    </message>
    <message id="StandardLightB">
        <source>StandardLightB</source>
        <translation>Standard light B</translation>
    </message>
    <message id="StandardLightC">
        <source>StandardLightC</source>
        <translation>Standard light C</translation>
    </message>
    <message id="ISOStudioTungsten">
        <source>ISOStudioTungsten</source>
        <translation>ISO studio tungsten</translation>
    </message>
    <message id="OtherLightSource">
        <source>OtherLightSource</source>
        <translation>Other light</translation>
    </message>
    <message id="StandardScene">
        <source>StandardScene</source>
        <translation>Standard</translation>
    </message>
    <message id="Landscape">
        <source>Landscape</source>
        <translation>Landscape</translation>
    </message>
    <message id="Portrait">
        <source>Portrait</source>
        <translation>Portrait</translation>
    </message>
    <message id="NightScene">
        <source>NightScene</source>
        <translation>Night scene</translation>
    </message>
    <message id="NoGainControl">
        <source>NoGainControl</source>
        <translation>No gain control</translation>
    </message>
    <message id="LowGainUp">
        <source>LowGainUp</source>
        <translation>Low gain up</translation>
    </message>
    <message id="HighGainUp">
        <source>HighGainUp</source>
        <translation>High gain up</translation>
    </message>
    <message id="LowGainDown">
        <source>LowGainDown</source>
        <translation>Low gain down</translation>
    </message>
    <message id="HighGainDown">
        <source>HighGainDown</source>
        <translation>High gain down</translation>
    </message>
    <message id="NormalContrast">
        <source>NormalContrast</source>
        <translation>Normal contrast</translation>
    </message>
    <message id="Soft">
        <source>Soft</source>
        <translation>Soft</translation>
    </message>
    <message id="Hard">
        <source>Hard</source>
        <translation>Hard</translation>
    </message>
    <message id="NormalSaturation">
        <source>NormalSaturation</source>
        <translation>Normal saturation</translation>
    </message>
    <message id="LowSaturation">
        <source>LowSaturation</source>
        <translation>Low saturation</translation>
    </message>
    <message id="HighSaturation">
        <source>HighSaturation</source>
        <translation>High saturation</translation>
    </message>
    <message id="NormalSharpness">
        <source>NormalSharpness</source>
        <translation>Normal sharpness</translation>
    </message>
    <message id="SoftSharpness">
        <source>SoftSharpness</source>
        <translation>Soft</translation>
    </message>
    <message id="HardSharpness">
        <source>HardSharpness</source>
        <translation>Hard</translation>
    </message>
    <message id="DistanceUnknown">
        <source>DistanceUnknown</source>
        <translation>Unknown distance</translation>
    </message>
    <message id="Macro">
        <source>Macro</source>
        <translation>Macro</translation>
    </message>
    <message id="CloseView">
        <source>CloseView</source>
        <translation>Close view</translation>
    </message>
    <message id="DistantView">
        <source>DistantView</source>
        <translation>Distant view</translation>
    </message>
    <message id="Photographs">
        <source>Photographs</source>
        <translation>Photographs</translation>
    </message>
    <message id="Lens">
        <source>Lens</source>
        <translation>Lens</translation>
    </message>
    <message id="Lens name">
        <source>Lens name</source>
        <translation>Lens name</translation>
    </message>
    <message id="Pick a lens, or type a new name and press Enter to add it to the list">
        <source>Pick a lens, or type a new name and press Enter to add it to the list</source>
        <translation>Pick a lens, or type a new name and press Enter to add it to the list</translation>
    </message>
    <message id="Remove the lens shown above from the list">
        <source>Remove the lens shown above from the list</source>
        <translation>Remove the lens shown above from the list</translation>
    </message>
    <message id="Delete Lens">
        <source>Delete Lens</source>
        <translation>Delete Lens</translation>
    </message>
    <message id="Caption">
        <source>Caption</source>
        <translation>Caption</translation>
    </message>
    <message id="Title of the photograph">
        <source>Title of the photograph</source>
        <translation>Title of the photograph</translation>
    </message>
    <message id="Print the label on a page of its own size">
        <source>Print the label on a page of its own size</source>
        <translation>Print the label on a page of its own size</translation>
    </message>
    <message id="Print…">
        <source>Print…</source>
        <translation>Print…</translation>
    </message>
    <message id="&amp;File">
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message id="&amp;Edit">
        <source>&amp;Edit</source>
        <translation>&amp;Edit</translation>
    </message>
    <message id="&amp;Open…">
        <source>&amp;Open…</source>
        <translation>&amp;Open…</translation>
    </message>
    <message id="&amp;New Window">
        <source>&amp;New Window</source>
        <translation>&amp;New Window</translation>
    </message>
    <message id="Page Set&amp;up…">
        <source>Page Set&amp;up…</source>
        <translation>Page Set&amp;up…</translation>
    </message>
    <message id="&amp;Print…">
        <source>&amp;Print…</source>
        <translation>&amp;Print…</translation>
    </message>
    <message id="&amp;Quit">
        <source>&amp;Quit</source>
        <translation>&amp;Quit</translation>
    </message>
    <message id="&amp;Delete Lens">
        <source>&amp;Delete Lens</source>
        <translation>&amp;Delete Lens</translation>
    </message>
    <message id="Pr&amp;eferences…">
        <source>Pr&amp;eferences…</source>
        <translation>Pr&amp;eferences…</translation>
    </message>
    <message id="&amp;Help">
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message id="&amp;About Kestavolin…">
        <source>&amp;About Kestavolin…</source>
        <translation>&amp;About Kestavolin…</translation>
    </message>
    <message id="AboutTitle">
        <source>AboutTitle</source>
        <translation>About Kestavolin</translation>
    </message>
    <message id="AboutMsg">
        <source>AboutMsg</source>
        <translation>Kestavolin %1

Caption labels for photographs, printed on label printers.

Licence: GNU General Public License, version 3 or later (GPL-3.0-or-later).</translation>
    </message>
    <message id="Label Medium">
        <source>Label Medium</source>
        <translation>Label Medium</translation>
    </message>
    <message id="Which labels does your printer use?">
        <source>Which labels does your printer use?</source>
        <translation>Which labels does your printer use?</translation>
    </message>
    <message id="Tape 18 (18 mm tape)">
        <source>Tape 18 (18 mm tape)</source>
        <translation>Tape 18 (18 mm tape)</translation>
    </message>
    <message id="Roll 60 (60 mm roll label)">
        <source>Roll 60 (60 mm roll label)</source>
        <translation>Roll 60 (60 mm roll label)</translation>
    </message>
    <message id="You can change the medium later in the preferences.">
        <source>You can change the medium later in the preferences.</source>
        <translation>You can change the medium later in the preferences.</translation>
    </message>
    <message id="Preferences">
        <source>Preferences</source>
        <translation>Preferences</translation>
    </message>
    <message id="Label medium">
        <source>Label medium</source>
        <translation>Label medium</translation>
    </message>
    <message id="Label font">
        <source>Label font</source>
        <translation>Label font</translation>
    </message>
    <message id="&amp;Family:">
        <source>&amp;Family:</source>
        <translation>&amp;Family:</translation>
    </message>
    <message id="&amp;Style:">
        <source>&amp;Style:</source>
        <translation>&amp;Style:</translation>
    </message>
    <message id="Items shown on the label">
        <source>Items shown on the label</source>
        <translation>Items shown on the label</translation>
    </message>
    <message id="Camera maker">
        <source>Camera maker</source>
        <translation>Camera maker</translation>
    </message>
    <message id="Camera model">
        <source>Camera model</source>
        <translation>Camera model</translation>
    </message>
    <message id="Lens maker">
        <source>Lens maker</source>
        <translation>Lens maker</translation>
    </message>
    <message id="Lens model">
        <source>Lens model</source>
        <translation>Lens model</translation>
    </message>
    <message id="Focal length">
        <source>Focal length</source>
        <translation>Focal length</translation>
    </message>
    <message id="Focal length in 35 mm film">
        <source>Focal length in 35 mm film</source>
        <translation>Focal length in 35 mm film</translation>
    </message>
    <message id="Date and time taken">
        <source>Date and time taken</source>
        <translation>Date and time taken</translation>
    </message>
    <message id="File name">
        <source>File name</source>
        <translation>File name</translation>
    </message>
    <message id="F-number">
        <source>F-number</source>
        <translation>F-number</translation>
    </message>
    <message id="Exposure time">
        <source>Exposure time</source>
        <translation>Exposure time</translation>
    </message>
    <message id="ISO sensitivity">
        <source>ISO sensitivity</source>
        <translation>ISO sensitivity</translation>
    </message>
    <message id="Exposure bias">
        <source>Exposure bias</source>
        <translation>Exposure bias</translation>
    </message>
    <message id="Exposure mode">
        <source>Exposure mode</source>
        <translation>Exposure mode</translation>
    </message>
    <message id="Exposure program">
        <source>Exposure program</source>
        <translation>Exposure program</translation>
    </message>
    <message id="Metering mode">
        <source>Metering mode</source>
        <translation>Metering mode</translation>
    </message>
    <message id="White balance">
        <source>White balance</source>
        <translation>White balance</translation>
    </message>
    <message id="Remove">
        <source>Remove</source>
        <translation>Remove</translation>
    </message>
    <message id="Move Up">
        <source>Move Up</source>
        <translation>Move Up</translation>
    </message>
    <message id="Move Down">
        <source>Move Down</source>
        <translation>Move Down</translation>
    </message>
    <message id="Clear List">
        <source>Clear List</source>
        <translation>Clear List</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message id="PhotoListNoTitle">
        <source>PhotoListNoTitle</source>
        <translation>(no title)</translation>
    </message>
    <message id="PhotoListTitleAndLength">
        <source>PhotoListTitleAndLength</source>
        <translation>%1 · %2</translation>
    </message>
    <message id="PhotoListUnreadable">
        <source>PhotoListUnreadable</source>
        <translation>The file cannot be read.</translation>
    </message>
    <message id="PhotoListChanged">
        <source>PhotoListChanged</source>
        <translation>The file changed while it was read. Add it again.</translation>
    </message>
    <message id="&amp;View">
        <source>&amp;View</source>
        <translation>&amp;View</translation>
    </message>
    <message id="Zoom &amp;In">
        <source>Zoom &amp;In</source>
        <translation>Zoom &amp;In</translation>
    </message>
    <message id="Zoom &amp;Out">
        <source>Zoom &amp;Out</source>
        <translation>Zoom &amp;Out</translation>
    </message>
    <message id="&amp;Actual Size">
        <source>&amp;Actual Size</source>
        <translation>&amp;Actual Size</translation>
    </message>
    <message id="&amp;Fit to Window">
        <source>&amp;Fit to Window</source>
        <translation>&amp;Fit to Window</translation>
    </message>
    <message id="The length of tape the label needs">
        <source>The length of tape the label needs</source>
        <translation>The length of tape the label needs</translation>
    </message>
    <message id="tapeLengthShown">
        <source>tapeLengthShown</source>
        <translation>Tape: %1</translation>
    </message>
    <message id="Photo list">
        <source>Photo list</source>
        <translation>Photo list</translation>
    </message>
    <message id="Use the photographs' own titles">
        <source>Use the photographs' own titles</source>
        <translation>Use the photographs' own titles</translation>
    </message>
    <message id="Label photographs without camera data">
        <source>Label photographs without camera data</source>
        <translation>Label photographs without camera data</translation>
    </message>
    <message id="Print &amp;All…">
        <source>Print &amp;All…</source>
        <translation>Print &amp;All…</translation>
    </message>
    <message id="&amp;Export All as PDF…">
        <source>&amp;Export All as PDF…</source>
        <translation>&amp;Export All as PDF…</translation>
    </message>
    <message id="&amp;Import Caption Sheet…">
        <source>&amp;Import Caption Sheet…</source>
        <translation>&amp;Import Caption Sheet…</translation>
    </message>
    <message id="Export Caption &amp;Sheet…">
        <source>Export Caption &amp;Sheet…</source>
        <translation>Export Caption &amp;Sheet…</translation>
    </message>
    <message id="listNotReadTitle">
        <source>listNotReadTitle</source>
        <translation>Some Photographs Cannot Be Read</translation>
    </message>
    <message id="listNotReadMsg">
        <source>listNotReadMsg</source>
        <translation>%1 photographs cannot be read. They stay in the list, marked, and are left out of printing and export:</translation>
    </message>
    <message id="exportAllTitle">
        <source>exportAllTitle</source>
        <translation>Export %1 Labels as PDF</translation>
    </message>
    <message id="importSheetTitle">
        <source>importSheetTitle</source>
        <translation>Import Caption Sheet</translation>
    </message>
    <message id="exportSheetTitle">
        <source>exportSheetTitle</source>
        <translation>Export Caption Sheet</translation>
    </message>
    <message id="sheetNotReadTitle">
        <source>sheetNotReadTitle</source>
        <translation>Caption Sheet Not Read</translation>
    </message>
    <message id="sheetNotWrittenTitle">
        <source>sheetNotWrittenTitle</source>
        <translation>Caption Sheet Not Saved</translation>
    </message>
    <message id="sheetRowName">
        <source>sheetRowName</source>
        <translation>Row %1 (%2)</translation>
    </message>
    <message id="The title of the selected photograph; the label follows as you type">
        <source>The title of the selected photograph; the label follows as you type</source>
        <translation>The title of the selected photograph; the label follows as you type</translation>
    </message>
    <message id="The photographer of the selected photograph; left empty, the default set in the preferences">
        <source>The photographer of the selected photograph; left empty, the default set in the preferences</source>
        <translation>The photographer of the selected photograph; left empty, the default set in the preferences</translation>
    </message>
    <message id="Every label and the next print use the medium at once.">
        <source>Every label and the next print use the medium at once.</source>
        <translation>Every label and the next print use the medium at once.</translation>
    </message>
    <message id="&amp;Undo">
        <source>&amp;Undo</source>
        <translation>&amp;Undo</translation>
    </message>
    <message id="&amp;Redo">
        <source>&amp;Redo</source>
        <translation>&amp;Redo</translation>
    </message>
    <message id="For photographs without their own">
        <source>For photographs without their own</source>
        <translation>For photographs without their own</translation>
    </message>
    <message id="&amp;Photographer:">
        <source>&amp;Photographer:</source>
        <translation>&amp;Photographer:</translation>
    </message>
    <message id="&amp;Lens:">
        <source>&amp;Lens:</source>
        <translation>&amp;Lens:</translation>
    </message>
    <message id="openDialogTitle">
        <source>openDialogTitle</source>
        <translation>Open Photographs</translation>
    </message>
    <message id="emptyWindowPrompt">
        <source>emptyWindowPrompt</source>
        <translation>Open photographs with File &gt; Open… or drop them here, or import a caption sheet with File &gt; Import Caption Sheet…</translation>
    </message>
    <message id="entryReadingPrompt">
        <source>entryReadingPrompt</source>
        <translation>Reading %1…</translation>
    </message>
    <message id="entryNotReadPrompt">
        <source>entryNotReadPrompt</source>
        <translation>%1 cannot be read:
%2

It stays in the list and is left out of printing and export.</translation>
    </message>
    <message id="PhotoListReading">
        <source>PhotoListReading</source>
        <translation>Reading…</translation>
    </message>
    <message id="editTitleUndo">
        <source>editTitleUndo</source>
        <translation>Title</translation>
    </message>
    <message id="editPhotographerUndo">
        <source>editPhotographerUndo</source>
        <translation>Photographer</translation>
    </message>
    <message id="chooseLensUndo">
        <source>chooseLensUndo</source>
        <translation>Lens</translation>
    </message>
    <message id="moveUndo">
        <source>moveUndo</source>
        <translation>Move</translation>
    </message>
    <message id="removeUndo">
        <source>removeUndo</source>
        <translation>Remove</translation>
    </message>
    <message id="clearListUndo">
        <source>clearListUndo</source>
        <translation>Clear List</translation>
    </message>
    <message id="cancelReadingUndo">
        <source>cancelReadingUndo</source>
        <translation>Cancel Reading</translation>
    </message>
    <message id="undoAction">
        <source>undoAction</source>
        <translation>&amp;Undo %1</translation>
    </message>
    <message id="undoActionNothing">
        <source>undoActionNothing</source>
        <translation>&amp;Undo</translation>
    </message>
    <message id="redoAction">
        <source>redoAction</source>
        <translation>&amp;Redo %1</translation>
    </message>
    <message id="redoActionNothing">
        <source>redoActionNothing</source>
        <translation>&amp;Redo</translation>
    </message>
    <message id="printJobDone">
        <source>printJobDone</source>
        <translation>“%1” has printed the labels (job %2).</translation>
    </message>
    <message id="printAllLeavesOutTitle">
        <source>printAllLeavesOutTitle</source>
        <translation>Some Photographs Will Not Be Printed</translation>
    </message>
    <message id="exportAllLeavesOutTitle">
        <source>exportAllLeavesOutTitle</source>
        <translation>Some Photographs Will Not Be Exported</translation>
    </message>
    <message id="jobLeavesOutMsg">
        <source>jobLeavesOutMsg</source>
        <translation>%1 labels will be made. These %2 photographs cannot be read and are left out:</translation>
    </message>
    <message id="continueButton">
        <source>continueButton</source>
        <translation>Continue</translation>
    </message>
    <message id="tapeCountTotalMsg">
        <source>tapeCountTotalMsg</source>
        <translation>%1 labels. %2</translation>
    </message>
    <message id="listDamagedMsg">
        <source>listDamagedMsg</source>
        <translation>The photo list kept from the last run (%1) cannot be read: %2
It was kept as %3, and the list starts empty.</translation>
    </message>
    <message id="listNotKeptAsideMsg">
        <source>listNotKeptAsideMsg</source>
        <translation>The photo list kept from the last run (%1) cannot be read: %2
It could not be renamed either; it will be replaced when the list changes.</translation>
    </message>
    <message id="listNotWrittenMsg">
        <source>listNotWrittenMsg</source>
        <translation>The photo list cannot be saved to %1: %2
It is tried again at the next change.</translation>
    </message>
    <message id="listNotWrittenTitle">
        <source>listNotWrittenTitle</source>
        <translation>Photo List Not Saved</translation>
    </message>
    <message id="listNotRestoredTitle">
        <source>listNotRestoredTitle</source>
        <translation>Photo List Not Restored</translation>
    </message>
    <message id="photoMissing">
        <source>photoMissing</source>
        <translation>The file does not exist.</translation>
    </message>
    <message id="photoIsFolder">
        <source>photoIsFolder</source>
        <translation>This is a folder, not a photograph.</translation>
    </message>
    <message id="labelViewName">
        <source>labelViewName</source>
        <translation>Label preview</translation>
    </message>
    <message id="rulerName">
        <source>rulerName</source>
        <translation>Ruler</translation>
    </message>
    <message id="rulerInMillimetres">
        <source>rulerInMillimetres</source>
        <translation>Marks in millimetres from the label's left edge</translation>
    </message>
    <message id="rulerInInches">
        <source>rulerInInches</source>
        <translation>Marks in inches from the label's left edge</translation>
    </message>
    <message id="Remove the selected photographs from the list">
        <source>Remove the selected photographs from the list</source>
        <translation>Remove the selected photographs from the list</translation>
    </message>
    <message id="tapeTotalLengthMsg">
        <source>tapeTotalLengthMsg</source>
        <translation>Total: %1</translation>
    </message>
    <message id="sheetNotReadMsg">
        <source>sheetNotReadMsg</source>
        <translation>The caption sheet “%1” cannot be read. %2</translation>
    </message>
    <message id="sheetNotTextMsg">
        <source>sheetNotTextMsg</source>
        <translation>Row %1 is not text in an encoding a caption sheet may have: UTF-8, UTF-16 with a byte order mark, or Shift_JIS.</translation>
    </message>
    <message id="sheetNoHeaderMsg">
        <source>sheetNoHeaderMsg</source>
        <translation>Row %1 is empty; it must be the header row that names the columns.</translation>
    </message>
    <message id="sheetNoFileColumnMsg">
        <source>sheetNoFileColumnMsg</source>
        <translation>Row %1, the header row, has no “file” column.</translation>
    </message>
    <message id="sheetQuoteNotClosedMsg">
        <source>sheetQuoteNotClosedMsg</source>
        <translation>Row %1 has a quoted cell that is not closed.</translation>
    </message>
    <message id="sheetNoFileMsg">
        <source>sheetNoFileMsg</source>
        <translation>Row %1 names no photograph: its “file” cell is empty.</translation>
    </message>
    <message id="textShortenedMsg">
        <source>textShortenedMsg</source>
        <translation>%1: the %2 “%3” does not fit the label and is shown as “%4”.</translation>
    </message>
    <message id="fieldTitle">
        <source>fieldTitle</source>
        <translation>title</translation>
    </message>
    <message id="fieldPhotographer">
        <source>fieldPhotographer</source>
        <translation>photographer</translation>
    </message>
    <message id="fieldCamera">
        <source>fieldCamera</source>
        <translation>camera</translation>
    </message>
    <message id="fieldLens">
        <source>fieldLens</source>
        <translation>lens</translation>
    </message>
    <message id="fieldExposure">
        <source>fieldExposure</source>
        <translation>exposure</translation>
    </message>
    <message id="fieldDate">
        <source>fieldDate</source>
        <translation>date</translation>
    </message>
    <message id="fieldFileName">
        <source>fieldFileName</source>
        <translation>file name</translation>
    </message>
    <message id="PhotoListShortened">
        <source>PhotoListShortened</source>
        <translation>Texts shortened · %1</translation>
    </message>
    <message id="textsShortenedTitle">
        <source>textsShortenedTitle</source>
        <translation>Some Texts Are Shortened</translation>
    </message>
    <message id="textsShortenedMsg">
        <source>textsShortenedMsg</source>
        <translation>These texts have no room on their labels and are shown shortened with “…”:</translation>
    </message>
    <message id="Page Setup">
        <source>Page Setup</source>
        <translation>Page Setup</translation>
    </message>
    <message id="Page:">
        <source>Page:</source>
        <translation>Page:</translation>
    </message>
    <message id="Orientation:">
        <source>Orientation:</source>
        <translation>Orientation:</translation>
    </message>
    <message id="Labels are printed on the page of their medium, without margins.">
        <source>Labels are printed on the page of their medium, without margins.</source>
        <translation>Labels are printed on the page of their medium, without margins.</translation>
    </message>
    <message id="Upright">
        <source>Upright</source>
        <translation>Upright</translation>
    </message>
    <message id="Sideways">
        <source>Sideways</source>
        <translation>Sideways</translation>
    </message>
    <message id="systemReason">
        <source>systemReason</source>
        <translation>%1</translation>
    </message>
    <message id="fileNotReadMsg">
        <source>fileNotReadMsg</source>
        <translation>Cannot read “%1”: %2</translation>
    </message>
    <message id="fileNotWrittenMsg">
        <source>fileNotWrittenMsg</source>
        <translation>Cannot write “%1”: %2</translation>
    </message>
    <message id="fileIsFolderReason">
        <source>fileIsFolderReason</source>
        <translation>it is a folder</translation>
    </message>
    <message id="plistEmptyReason">
        <source>plistEmptyReason</source>
        <translation>the file is empty</translation>
    </message>
    <message id="plistTooLargeReason">
        <source>plistTooLargeReason</source>
        <translation>the file is too large to be a property list</translation>
    </message>
    <message id="plistTooDeepReason">
        <source>plistTooDeepReason</source>
        <translation>values are nested more than %1 levels deep</translation>
    </message>
    <message id="plistNotListReason">
        <source>plistNotListReason</source>
        <translation>the file is not a property list</translation>
    </message>
    <message id="plistZeroCharacterReason">
        <source>plistZeroCharacterReason</source>
        <translation>the file holds text with a zero character</translation>
    </message>
    <message id="plistUnknownKindReason">
        <source>plistUnknownKindReason</source>
        <translation>it holds a value of a kind this program does not read</translation>
    </message>
    <message id="plistDateOutOfRangeReason">
        <source>plistDateOutOfRangeReason</source>
        <translation>the date at “%1” is out of range</translation>
    </message>
    <message id="plistNoFormReason">
        <source>plistNoFormReason</source>
        <translation>the value at “%1” (%2) has no property-list form</translation>
    </message>
    <message id="plistNotFormattedReason">
        <source>plistNotFormattedReason</source>
        <translation>the property list could not be formatted</translation>
    </message>
    <message id="folderNotMadeMsg">
        <source>folderNotMadeMsg</source>
        <translation>cannot create the folder of %1</translation>
    </message>
    <message id="settingsNotSavedWarning">
        <source>settingsNotSavedWarning</source>
        <translation>the settings were not saved: %1</translation>
    </message>
    <message id="fileFailureMsg">
        <source>fileFailureMsg</source>
        <translation>%1: %2</translation>
    </message>
    <message id="dpiOutOfRangeReason">
        <source>dpiOutOfRangeReason</source>
        <translation>a resolution of %1 dpi is outside %2 to %3</translation>
    </message>
    <message id="imageTooLargeReason">
        <source>imageTooLargeReason</source>
        <translation>a %1 by %2 point label at %3 dpi needs more than %4 pixels</translation>
    </message>
    <message id="imageNoMemoryReason">
        <source>imageNoMemoryReason</source>
        <translation>no memory for a %1 by %2 pixel image</translation>
    </message>
    <message id="pngNotEncodedReason">
        <source>pngNotEncodedReason</source>
        <translation>the image could not be encoded as PNG</translation>
    </message>
    <message id="cliNotSettingsFileMsg">
        <source>cliNotSettingsFileMsg</source>
        <translation>%1: not a settings file (its root is not a dictionary)</translation>
    </message>
    <message id="cliSettingsNotTakenWarning">
        <source>cliSettingsNotTakenWarning</source>
        <translation>warning: settings not taken: %1</translation>
    </message>
    <message id="cliUnknownItemMsg">
        <source>cliUnknownItemMsg</source>
        <translation>unknown item '%1' (known items: %2)</translation>
    </message>
    <message id="cliUnknownMediumMsg">
        <source>cliUnknownMediumMsg</source>
        <translation>unknown medium '%1' (use "%2" or "%3")</translation>
    </message>
    <message id="cliNoFontMsg">
        <source>cliNoFontMsg</source>
        <translation>no installed font can stand for '%1'</translation>
    </message>
    <message id="cliSheetRowName">
        <source>cliSheetRowName</source>
        <translation>row %1 (%2)</translation>
    </message>
    <message id="cliSheetRowFailure">
        <source>cliSheetRowFailure</source>
        <translation>row %1: %2</translation>
    </message>
    <message id="cliNoPhotographMsg">
        <source>cliNoPhotographMsg</source>
        <translation>no photograph given</translation>
    </message>
    <message id="cliFilesAndSheetMsg">
        <source>cliFilesAndSheetMsg</source>
        <translation>give photographs either as files or in a caption sheet, not both</translation>
    </message>
    <message id="cliEmptySheetMsg">
        <source>cliEmptySheetMsg</source>
        <translation>the caption sheet lists no photograph</translation>
    </message>
    <message id="cliNotReadMsg">
        <source>cliNotReadMsg</source>
        <translation>%1: cannot be read</translation>
    </message>
    <message id="cliChangedWhileReadMsg">
        <source>cliChangedWhileReadMsg</source>
        <translation>%1: the file changed while it was read</translation>
    </message>
    <message id="cliTooShortMsg">
        <source>cliTooShortMsg</source>
        <translation>%1: too short to be a photograph</translation>
    </message>
    <message id="cliMetadataNotReadMsg">
        <source>cliMetadataNotReadMsg</source>
        <translation>%1: its metadata could not be read</translation>
    </message>
    <message id="cliWithoutPictureWarning">
        <source>cliWithoutPictureWarning</source>
        <translation>%1: the label is made without its picture: %2</translation>
    </message>
    <message id="cliNoOutputMsg">
        <source>cliNoOutputMsg</source>
        <translation>no output file given (-o OUT)</translation>
    </message>
    <message id="cliOutputNameEncodingMsg">
        <source>cliOutputNameEncodingMsg</source>
        <translation>'%1': the output name is not valid in the file system's encoding</translation>
    </message>
    <message id="cliOutputFormatMsg">
        <source>cliOutputFormatMsg</source>
        <translation>'%1': the output must end in .pdf, .png or .svg</translation>
    </message>
    <message id="cliDpiRangeMsg">
        <source>cliDpiRangeMsg</source>
        <translation>--dpi takes a whole number from %1 to %2</translation>
    </message>
    <message id="cliJobsRangeMsg">
        <source>cliJobsRangeMsg</source>
        <translation>--jobs takes a whole number from 1 to %1</translation>
    </message>
    <message id="cliNoGlyphWarning">
        <source>cliNoGlyphWarning</source>
        <translation>%1: no installed font draws "%2" (%3) of %4; they are left blank</translation>
    </message>
    <message id="cliPrinterOptionMsg">
        <source>cliPrinterOptionMsg</source>
        <translation>printer option '%1' is not NAME=VALUE</translation>
    </message>
    <message id="cliOnePhotographMsg">
        <source>cliOnePhotographMsg</source>
        <translation>give one photograph, or several in a caption sheet</translation>
    </message>
    <message id="cliNoQueueMsg">
        <source>cliNoQueueMsg</source>
        <translation>no print queue given (--printer NAME|URI)</translation>
    </message>
    <message id="cliCopiesMsg">
        <source>cliCopiesMsg</source>
        <translation>--copies takes a whole number of at least 1</translation>
    </message>
    <message id="cliWaitTimeoutMsg">
        <source>cliWaitTimeoutMsg</source>
        <translation>--wait-timeout takes a whole number of seconds of at least 1</translation>
    </message>
    <message id="cliJobCompleted">
        <source>cliJobCompleted</source>
        <translation>job %1 completed</translation>
    </message>
    <message id="cliPrintedAtPercent">
        <source>cliPrintedAtPercent</source>
        <translation>printed at %1%</translation>
    </message>
    <message id="pictureTooLargeReason">
        <source>pictureTooLargeReason</source>
        <translation>decoding its %1 × %2 pixel picture would need %3 MiB, more than the %4 MiB a picture may take</translation>
    </message>
    <message id="instanceNotAnsweringWarning">
        <source>instanceNotAnsweringWarning</source>
        <translation>the running instance did not take the request: %1</translation>
    </message>
    <message id="instanceNotReachableWarning">
        <source>instanceNotReachableWarning</source>
        <translation>later launches cannot reach this one: %1</translation>
    </message>
    <message id="infoNotReadTitle">
        <source>infoNotReadTitle</source>
        <translation>Cannot read the file</translation>
    </message>
    <message id="infoNotReadMsg">
        <source>infoNotReadMsg</source>
        <translation>It does not exist, is not a regular file or cannot be read.</translation>
    </message>
    <message id="infoNotPhotoTitle">
        <source>infoNotPhotoTitle</source>
        <translation>Not a photograph</translation>
    </message>
    <message id="infoTooShortMsg">
        <source>infoTooShortMsg</source>
        <translation>The file is shorter than %1 bytes.</translation>
    </message>
    <message id="infoChangedTitle">
        <source>infoChangedTitle</source>
        <translation>The file changed while it was read</translation>
    </message>
    <message id="infoChangedMsg">
        <source>infoChangedMsg</source>
        <translation>It became shorter; read it again once it is complete.</translation>
    </message>
</context>
</TS>
