<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name></name>
    <message id="ErrorMessage">
        <source>ErrorMessage</source>
        <translation>写真を読み込めません</translation>
    </message>
    <message id="FailedOpenMsg">
        <source>FailedOpenMsg</source>
        <translation>このファイルは JPEG、TIFF、Photoshop のいずれの画像でもないか、破損しています。</translation>
    </message>
    <message id="NoExifMsg">
        <source>NoExifMsg</source>
        <translation>この Photoshop ファイルには画像リソースがないため、Exif 情報がありません。</translation>
    </message>
    <message id="NotTiffMsg">
        <source>NotTiffMsg</source>
        <translation>このファイルは正しい TIFF 画像ではありません。</translation>
    </message>
    <message id="NotPSDMsg">
        <source>NotPSDMsg</source>
        <translation>このファイルは正しい Photoshop 画像ではありません。</translation>
    </message>
    <message id="NotJpegMsg">
        <source>NotJpegMsg</source>
        <translation>JPEG ファイルが破損しています。セグメントがファイルの終わりを越えています。</translation>
    </message>
    <message id="FailJpegMsg">
        <source>FailJpegMsg</source>
        <translation>この JPEG ファイルには Exif 情報が見つかりませんでした。</translation>
    </message>
    <message id="FailPSDMsg">
        <source>FailPSDMsg</source>
        <translation>この Photoshop ファイルから Exif 情報を読み取れませんでした。</translation>
    </message>
    <message id="FailTiffMsg">
        <source>FailTiffMsg</source>
        <translation>この TIFF ファイルから Exif 情報を読み取れませんでした。</translation>
    </message>
    <message id="IfdError">
        <source>IfdError</source>
        <translation>Exif 情報が破損しています</translation>
    </message>
    <message id="IfdErrorMessage">
        <source>IfdErrorMessage</source>
        <translation>この写真の Exif 情報は破損しているため読み取れません。</translation>
    </message>
    <message id="ExifError">
        <source>ExifError</source>
        <translation>Exif 情報がありません</translation>
    </message>
    <message id="FailExifMessage">
        <source>FailExifMessage</source>
        <translation>この写真の Exif 情報を読み取れませんでした。</translation>
    </message>
    <message id="Close">
        <source>Close</source>
        <translation>閉じる</translation>
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
        <translation>ファイルを開けません</translation>
    </message>
    <message id="OnlyTiffOrJpegOrPsdMessage">
        <source>OnlyTiffOrJpegOrPsdMessage</source>
        <translation>開けるのは TIFF、JPEG、Photoshop（PSD）ファイルだけです。</translation>
    </message>
    <message id="lensDelCaution">
        <source>lensDelCaution</source>
        <translation>レンズの削除</translation>
    </message>
    <message id="lensDelMessage">
        <source>lensDelMessage</source>
        <translation>レンズ「%1」をレンズリストから削除しますか？</translation>
    </message>
    <message id="lensNotDelete">
        <source>lensNotDelete</source>
        <translation>レンズを削除できません</translation>
    </message>
    <message id="lensNotDeleteMsg">
        <source>lensNotDeleteMsg</source>
        <translation>レンズ「%1」はレンズリストにありません。</translation>
    </message>
    <message id="settingsNotSaved">
        <source>settingsNotSaved</source>
        <translation>設定を保存できません</translation>
    </message>
    <message id="settingsNotSavedMsg">
        <source>settingsNotSavedMsg</source>
        <translation>設定を保存できませんでした。いま行った変更は終了すると失われます。</translation>
    </message>
    <message id="lensOverFlow">
        <source>lensOverFlow</source>
        <translation>レンズリストがいっぱいです</translation>
    </message>
    <message id="lensOverMsg">
        <source>lensOverMsg</source>
        <translation>これ以上レンズを追加できません。使わなくなったレンズを先に削除してください。</translation>
    </message>
    <message id="tapeLengthTitle">
        <source>tapeLengthTitle</source>
        <translation>テープの長さ</translation>
    </message>
    <message id="tapeSetMsg">
        <source>tapeSetMsg</source>
        <translation>プリンターのテープの長さを次の値に設定してください:</translation>
    </message>
    <message id="printFailedTitle">
        <source>printFailedTitle</source>
        <translation>印刷できませんでした</translation>
    </message>
    <message id="printNoQueueMsg">
        <source>printNoQueueMsg</source>
        <translation>「%1」という名前のプリンターキューはありません。</translation>
    </message>
    <message id="printQueueStoppedMsg">
        <source>printQueueStoppedMsg</source>
        <translation>プリンターキュー「%1」は停止しています。</translation>
    </message>
    <message id="printQueueRefusesMsg">
        <source>printQueueRefusesMsg</source>
        <translation>プリンターキュー「%1」はジョブを受け付けていません。</translation>
    </message>
    <message id="printNoTapeSizeMsg">
        <source>printNoTapeSizeMsg</source>
        <translation>キュー「%1」のプリンターは%2に対応していません。</translation>
    </message>
    <message id="printLabelTooLongMsg">
        <source>printLabelTooLongMsg</source>
        <translation>ラベルが長すぎて、キュー「%1」のプリンターでは印刷できません。</translation>
    </message>
    <message id="printLabelTooWideMsg">
        <source>printLabelTooWideMsg</source>
        <translation>ラベルの幅が広すぎて、キュー「%1」のプリンターでは印刷できません。</translation>
    </message>
    <message id="printJobNotCreatedMsg">
        <source>printJobNotCreatedMsg</source>
        <translation>ラベルをプリンターキュー「%1」に送れませんでした。</translation>
    </message>
    <message id="printNoLabelsMsg">
        <source>printNoLabelsMsg</source>
        <translation>「%1」に送るラベルがありません。</translation>
    </message>
    <message id="printNotWrittenMsg">
        <source>printNotWrittenMsg</source>
        <translation>ラベルを「%1」に書き込めませんでした。</translation>
    </message>
    <message id="pdfNoLabelsMsg">
        <source>pdfNoLabelsMsg</source>
        <translation>「%1」に書き込むラベルがありません。</translation>
    </message>
    <message id="pdfNoDraftMsg">
        <source>pdfNoDraftMsg</source>
        <translation>「%1」を書き込めません。その隣に下書きのファイルを作れません（%2）。</translation>
    </message>
    <message id="pdfNotWrittenMsg">
        <source>pdfNotWrittenMsg</source>
        <translation>「%1」を書き込めませんでした: %2。</translation>
    </message>
    <message id="pdfUnknownFormMsg">
        <source>pdfUnknownFormMsg</source>
        <translation>PDF の書き出しがこのプログラムの知らない形のファイルを作りました</translation>
    </message>
    <message id="pdfFileErrorMsg">
        <source>pdfFileErrorMsg</source>
        <translation>ファイルを読み書きできませんでした（%1）</translation>
    </message>
    <message id="printJobCancelledMsg">
        <source>printJobCancelledMsg</source>
        <translation>プリンターキュー「%1」のジョブは取り消されました。ラベルは印刷されていません。</translation>
    </message>
    <message id="printJobAbortedMsg">
        <source>printJobAbortedMsg</source>
        <translation>プリンターキュー「%1」はラベルを印刷できませんでした。</translation>
    </message>
    <message id="printJobLostMsg">
        <source>printJobLostMsg</source>
        <translation>「%1」に送ったジョブが印刷サービスに見つかりません。プリンターを確認してください。</translation>
    </message>
    <message id="printJobWaitingMsg">
        <source>printJobWaitingMsg</source>
        <translation>ラベルはまだプリンターキュー「%1」で待機しています。</translation>
    </message>
    <message id="printServiceNotAnsweringMsg">
        <source>printServiceNotAnsweringMsg</source>
        <translation>印刷サービス（%2）が応答しません。「%1」には何も送られていません。</translation>
    </message>
    <message id="printServiceUnreachableMsg">
        <source>printServiceUnreachableMsg</source>
        <translation>印刷サービス（%2）に接続できません。「%1」には何も送られていません。</translation>
    </message>
    <message id="printServiceSilentMsg">
        <source>printServiceSilentMsg</source>
        <translation>印刷サービス（%1）が応答しないため、いまは印刷できません。応答するようになってから、もう一度お試しください。</translation>
    </message>
    <message id="printLoadedTooNarrowMsg">
        <source>printLoadedTooNarrowMsg</source>
        <translation>プリンターには%1がセットされています。%2のラベルには%3が必要です</translation>
    </message>
    <message id="printNoDocumentFormatMsg">
        <source>printNoDocumentFormatMsg</source>
        <translation>プリンター「%1」は PDF も PWG ラスターも受け付けません。</translation>
    </message>
    <message id="printJobQueueGoneMsg">
        <source>printJobQueueGoneMsg</source>
        <translation>ジョブの待機中にプリンターキュー「%1」が削除されました。ラベルは印刷されていません。</translation>
    </message>
    <message id="mediumTape">
        <source>mediumTape</source>
        <translation>%1 mm テープ</translation>
    </message>
    <message id="mediumRoll">
        <source>mediumRoll</source>
        <translation>%1 mm ロール</translation>
    </message>
    <message id="mediumLabels">
        <source>mediumLabels</source>
        <translation>%1 × %2 mm ラベル</translation>
    </message>
    <message id="mediumRollAtLeast">
        <source>mediumRollAtLeast</source>
        <translation>幅 %1 mm 以上のロール</translation>
    </message>
    <message id="mediumOnPrinter">
        <source>mediumOnPrinter</source>
        <translation>%1（%2）</translation>
    </message>
    <message id="listSeparator">
        <source>listSeparator</source>
        <translation>、</translation>
    </message>
    <message id="printerMediaEmpty">
        <source>printerMediaEmpty</source>
        <translation>用紙切れ</translation>
    </message>
    <message id="printerMediaNeeded">
        <source>printerMediaNeeded</source>
        <translation>用紙のセット待ち</translation>
    </message>
    <message id="printerMediaJam">
        <source>printerMediaJam</source>
        <translation>用紙詰まり</translation>
    </message>
    <message id="printerCoverOpen">
        <source>printerCoverOpen</source>
        <translation>カバーが開いています</translation>
    </message>
    <message id="printerOffline">
        <source>printerOffline</source>
        <translation>オフライン</translation>
    </message>
    <message id="printerPaused">
        <source>printerPaused</source>
        <translation>一時停止中</translation>
    </message>
    <message id="printerStopped">
        <source>printerStopped</source>
        <translation>停止中</translation>
    </message>
    <message id="printerNoticeMsg">
        <source>printerNoticeMsg</source>
        <translation>プリンター「%1」: %2。ジョブ %3（%4）はこれが解決するまで待機します。</translation>
    </message>
    <message id="printScaledTitle">
        <source>printScaledTitle</source>
        <translation>ラベルを縮小しました</translation>
    </message>
    <message id="printScaledMsg">
        <source>printScaledMsg</source>
        <translation>プリンターの印刷幅がラベルより狭いため、ラベルは %1% の大きさで印刷されます。</translation>
    </message>
    <message id="Title">
        <source>Title</source>
        <translation>タイトル</translation>
    </message>
    <message id="Photographer">
        <source>Photographer</source>
        <translation>撮影者</translation>
    </message>
    <message id="UnknownSens">
        <source>UnknownSens</source>
        <translation>不明</translation>
    </message>
    <message id="OtherSens">
        <source>OtherSens</source>
        <translation>その他</translation>
    </message>
    <message id="AutoBracket">
        <source>AutoBracket</source>
        <translation>オートブラケット</translation>
    </message>
    <message id="NotDefined">
        <source>NotDefined</source>
        <translation>未定義</translation>
    </message>
    <message id="Manual">
        <source>Manual</source>
        <translation>マニュアル</translation>
    </message>
    <message id="NormalProgram">
        <source>NormalProgram</source>
        <translation>プログラムAE</translation>
    </message>
    <message id="AperturePriority">
        <source>AperturePriority</source>
        <translation>絞り優先</translation>
    </message>
    <message id="ShutterPriority">
        <source>ShutterPriority</source>
        <translation>シャッター優先</translation>
    </message>
    <message id="CreativeProgram">
        <source>CreativeProgram</source>
        <translation>クリエイティブプログラム</translation>
    </message>
    <message id="ActionProgram">
        <source>ActionProgram</source>
        <translation>アクションプログラム</translation>
    </message>
    <message id="PortraitMode">
        <source>PortraitMode</source>
        <translation>ポートレートモード</translation>
    </message>
    <message id="LandscapeMode">
        <source>LandscapeMode</source>
        <translation>風景モード</translation>
    </message>
    <message id="MeteringModeUnknown">
        <source>MeteringModeUnknown</source>
        <translation>測光方式不明</translation>
    </message>
    <message id="Average">
        <source>Average</source>
        <translation>平均測光</translation>
    </message>
    <message id="CenterWeightedAverage">
        <source>CenterWeightedAverage</source>
        <translation>中央重点平均測光</translation>
    </message>
    <message id="Spot">
        <source>Spot</source>
        <translation>スポット測光</translation>
    </message>
    <message id="MultiSpot">
        <source>MultiSpot</source>
        <translation>マルチスポット測光</translation>
    </message>
    <message id="Pattern">
        <source>Pattern</source>
        <translation>分割測光</translation>
    </message>
    <message id="Partial">
        <source>Partial</source>
        <translation>部分測光</translation>
    </message>
    <message id="OtherMeteringMode">
        <source>OtherMeteringMode</source>
        <translation>その他の測光</translation>
    </message>
    <message id="LightSourceUnknown">
        <source>LightSourceUnknown</source>
        <translation>光源不明</translation>
    </message>
    <message id="Daylight">
        <source>Daylight</source>
        <translation>昼光</translation>
    </message>
    <message id="Fluorescent">
        <source>Fluorescent</source>
        <translation>蛍光灯</translation>
    </message>
    <message id="Tungstenlight">
        <source>Tungstenlight</source>
        <translation>白熱電球</translation>
    </message>
    <message id="Flashlight">
        <source>Flashlight</source>
        <translation>フラッシュ</translation>
    </message>
    <message id="FineWeather">
        <source>FineWeather</source>
        <translation>晴天</translation>
    </message>
    <message id="CloudyWeather">
        <source>CloudyWeather</source>
        <translation>曇天</translation>
    </message>
    <message id="Shade">
        <source>Shade</source>
        <translation>日陰</translation>
    </message>
    <message id="DaylightFluorescent">
        <source>DaylightFluorescent</source>
        <translation>昼光色蛍光灯</translation>
    </message>
    <message id="DayWhiteFluorescent">
        <source>DayWhiteFluorescent</source>
        <translation>昼白色蛍光灯</translation>
    </message>
    <message id="CoolWhiteFluorescent">
        <source>CoolWhiteFluorescent</source>
        <translation>白色蛍光灯</translation>
    </message>
    <message id="WhiteFluorescent">
        <source>WhiteFluorescent</source>
        <translation>温白色蛍光灯</translation>
    </message>
    <message id="WarmFluorescent">
        <source>WarmFluorescent</source>
        <translation>電球色蛍光灯</translation>
    </message>
    <message id="StandardLightA">
        <source>StandardLightA</source>
        <translation>標準光A</translation>
    </message>
    <message id="StandardLightB">
        <source>StandardLightB</source>
        <translation>標準光B</translation>
    </message>
    <message id="StandardLightC">
        <source>StandardLightC</source>
        <translation>標準光C</translation>
    </message>
    <message id="ISOStudioTungsten">
        <source>ISOStudioTungsten</source>
        <translation>ISOスタジオタングステン</translation>
    </message>
    <message id="OtherLightSource">
        <source>OtherLightSource</source>
        <translation>その他の光源</translation>
    </message>
    <message id="StandardScene">
        <source>StandardScene</source>
        <translation>標準</translation>
    </message>
    <message id="Landscape">
        <source>Landscape</source>
        <translation>風景</translation>
    </message>
    <message id="Portrait">
        <source>Portrait</source>
        <translation>人物</translation>
    </message>
    <message id="NightScene">
        <source>NightScene</source>
        <translation>夜景</translation>
    </message>
    <message id="NoGainControl">
        <source>NoGainControl</source>
        <translation>ゲイン制御なし</translation>
    </message>
    <message id="LowGainUp">
        <source>LowGainUp</source>
        <translation>弱ゲインアップ</translation>
    </message>
    <message id="HighGainUp">
        <source>HighGainUp</source>
        <translation>強ゲインアップ</translation>
    </message>
    <message id="LowGainDown">
        <source>LowGainDown</source>
        <translation>弱ゲインダウン</translation>
    </message>
    <message id="HighGainDown">
        <source>HighGainDown</source>
        <translation>強ゲインダウン</translation>
    </message>
    <message id="NormalContrast">
        <source>NormalContrast</source>
        <translation>標準コントラスト</translation>
    </message>
    <message id="Soft">
        <source>Soft</source>
        <translation>軟調</translation>
    </message>
    <message id="Hard">
        <source>Hard</source>
        <translation>硬調</translation>
    </message>
    <message id="NormalSaturation">
        <source>NormalSaturation</source>
        <translation>標準彩度</translation>
    </message>
    <message id="LowSaturation">
        <source>LowSaturation</source>
        <translation>低彩度</translation>
    </message>
    <message id="HighSaturation">
        <source>HighSaturation</source>
        <translation>高彩度</translation>
    </message>
    <message id="NormalSharpness">
        <source>NormalSharpness</source>
        <translation>標準シャープネス</translation>
    </message>
    <message id="SoftSharpness">
        <source>SoftSharpness</source>
        <translation>ソフト</translation>
    </message>
    <message id="HardSharpness">
        <source>HardSharpness</source>
        <translation>ハード</translation>
    </message>
    <message id="DistanceUnknown">
        <source>DistanceUnknown</source>
        <translation>距離不明</translation>
    </message>
    <message id="Macro">
        <source>Macro</source>
        <translation>マクロ</translation>
    </message>
    <message id="CloseView">
        <source>CloseView</source>
        <translation>近景</translation>
    </message>
    <message id="DistantView">
        <source>DistantView</source>
        <translation>遠景</translation>
    </message>
    <message id="Photographs">
        <source>Photographs</source>
        <translation>写真</translation>
    </message>
    <message id="Lens">
        <source>Lens</source>
        <translation>レンズ</translation>
    </message>
    <message id="Lens name">
        <source>Lens name</source>
        <translation>レンズ名</translation>
    </message>
    <message id="Pick a lens, or type a new name and press Enter to add it to the list">
        <source>Pick a lens, or type a new name and press Enter to add it to the list</source>
        <translation>レンズを選んでください。新しい名前を入力して Enter キーを押すと、リストに追加されます</translation>
    </message>
    <message id="Remove the lens shown above from the list">
        <source>Remove the lens shown above from the list</source>
        <translation>上に表示されているレンズをリストから削除します</translation>
    </message>
    <message id="Delete Lens">
        <source>Delete Lens</source>
        <translation>レンズを削除</translation>
    </message>
    <message id="Caption">
        <source>Caption</source>
        <translation>キャプション</translation>
    </message>
    <message id="Title of the photograph">
        <source>Title of the photograph</source>
        <translation>写真のタイトル</translation>
    </message>
    <message id="Print the label on a page of its own size">
        <source>Print the label on a page of its own size</source>
        <translation>ラベルと同じ大きさの用紙にラベルを印刷します</translation>
    </message>
    <message id="Print…">
        <source>Print…</source>
        <translation>印刷…</translation>
    </message>
    <message id="&amp;File">
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message id="&amp;Edit">
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message id="&amp;Open…">
        <source>&amp;Open…</source>
        <translation>開く(&amp;O)…</translation>
    </message>
    <message id="&amp;New Window">
        <source>&amp;New Window</source>
        <translation>新規ウインドウ(&amp;N)</translation>
    </message>
    <message id="Page Set&amp;up…">
        <source>Page Set&amp;up…</source>
        <translation>ページ設定(&amp;U)…</translation>
    </message>
    <message id="&amp;Print…">
        <source>&amp;Print…</source>
        <translation>印刷(&amp;P)…</translation>
    </message>
    <message id="&amp;Quit">
        <source>&amp;Quit</source>
        <translation>終了(&amp;Q)</translation>
    </message>
    <message id="&amp;Delete Lens">
        <source>&amp;Delete Lens</source>
        <translation>レンズを削除(&amp;D)</translation>
    </message>
    <message id="Pr&amp;eferences…">
        <source>Pr&amp;eferences…</source>
        <translation>環境設定(&amp;E)…</translation>
    </message>
    <message id="&amp;Help">
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message id="&amp;About Kestavolin…">
        <source>&amp;About Kestavolin…</source>
        <translation>Kestavolin について(&amp;A)…</translation>
    </message>
    <message id="AboutTitle">
        <source>AboutTitle</source>
        <translation>Kestavolin について</translation>
    </message>
    <message id="AboutMsg">
        <source>AboutMsg</source>
        <translation>Kestavolin %1

写真のキャプションラベルを作り、ラベルプリンターで印刷します。

ライセンス: GNU 一般公衆利用許諾書 バージョン 3 以降 (GPL-3.0-or-later)</translation>
    </message>
    <message id="Label Medium">
        <source>Label Medium</source>
        <translation>ラベルの種類</translation>
    </message>
    <message id="Which labels does your printer use?">
        <source>Which labels does your printer use?</source>
        <translation>お使いのプリンターで使うラベルはどれですか?</translation>
    </message>
    <message id="Tape 18 (18 mm tape)">
        <source>Tape 18 (18 mm tape)</source>
        <translation>Tape 18(18 mm 幅テープ)</translation>
    </message>
    <message id="Roll 60 (60 mm roll label)">
        <source>Roll 60 (60 mm roll label)</source>
        <translation>Roll 60(60 mm 幅ロールラベル)</translation>
    </message>
    <message id="You can change the medium later in the preferences.">
        <source>You can change the medium later in the preferences.</source>
        <translation>ラベルの種類はあとから環境設定で変更できます。</translation>
    </message>
    <message id="Preferences">
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message id="Label medium">
        <source>Label medium</source>
        <translation>ラベルの種類</translation>
    </message>
    <message id="Label font">
        <source>Label font</source>
        <translation>ラベルのフォント</translation>
    </message>
    <message id="&amp;Family:">
        <source>&amp;Family:</source>
        <translation>ファミリー(&amp;F):</translation>
    </message>
    <message id="&amp;Style:">
        <source>&amp;Style:</source>
        <translation>スタイル(&amp;S):</translation>
    </message>
    <message id="Items shown on the label">
        <source>Items shown on the label</source>
        <translation>ラベルに表示する項目</translation>
    </message>
    <message id="Camera maker">
        <source>Camera maker</source>
        <translation>カメラのメーカー</translation>
    </message>
    <message id="Camera model">
        <source>Camera model</source>
        <translation>カメラの機種</translation>
    </message>
    <message id="Lens maker">
        <source>Lens maker</source>
        <translation>レンズのメーカー</translation>
    </message>
    <message id="Lens model">
        <source>Lens model</source>
        <translation>レンズの機種</translation>
    </message>
    <message id="Focal length">
        <source>Focal length</source>
        <translation>焦点距離</translation>
    </message>
    <message id="Focal length in 35 mm film">
        <source>Focal length in 35 mm film</source>
        <translation>35 mm 判換算の焦点距離</translation>
    </message>
    <message id="Date and time taken">
        <source>Date and time taken</source>
        <translation>撮影日時</translation>
    </message>
    <message id="File name">
        <source>File name</source>
        <translation>ファイル名</translation>
    </message>
    <message id="F-number">
        <source>F-number</source>
        <translation>F 値</translation>
    </message>
    <message id="Exposure time">
        <source>Exposure time</source>
        <translation>露出時間</translation>
    </message>
    <message id="ISO sensitivity">
        <source>ISO sensitivity</source>
        <translation>ISO 感度</translation>
    </message>
    <message id="Exposure bias">
        <source>Exposure bias</source>
        <translation>露出補正</translation>
    </message>
    <message id="Exposure mode">
        <source>Exposure mode</source>
        <translation>露出モード</translation>
    </message>
    <message id="Exposure program">
        <source>Exposure program</source>
        <translation>露出プログラム</translation>
    </message>
    <message id="Metering mode">
        <source>Metering mode</source>
        <translation>測光モード</translation>
    </message>
    <message id="White balance">
        <source>White balance</source>
        <translation>ホワイトバランス</translation>
    </message>
    <message id="Remove">
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message id="Move Up">
        <source>Move Up</source>
        <translation>上へ</translation>
    </message>
    <message id="Move Down">
        <source>Move Down</source>
        <translation>下へ</translation>
    </message>
    <message id="Clear List">
        <source>Clear List</source>
        <translation>リストを消去</translation>
    </message>
    <message id="Cancel">
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message id="PhotoListNoTitle">
        <source>PhotoListNoTitle</source>
        <translation>（タイトルなし）</translation>
    </message>
    <message id="PhotoListTitleAndLength">
        <source>PhotoListTitleAndLength</source>
        <translation>%1 · %2</translation>
    </message>
    <message id="PhotoListUnreadable">
        <source>PhotoListUnreadable</source>
        <translation>ファイルを読み込めません。</translation>
    </message>
    <message id="PhotoListChanged">
        <source>PhotoListChanged</source>
        <translation>読み込み中にファイルが変更されました。もう一度追加してください。</translation>
    </message>
    <message id="&amp;View">
        <source>&amp;View</source>
        <translation>表示(&amp;V)</translation>
    </message>
    <message id="Zoom &amp;In">
        <source>Zoom &amp;In</source>
        <translation>拡大(&amp;I)</translation>
    </message>
    <message id="Zoom &amp;Out">
        <source>Zoom &amp;Out</source>
        <translation>縮小(&amp;O)</translation>
    </message>
    <message id="&amp;Actual Size">
        <source>&amp;Actual Size</source>
        <translation>実際のサイズ(&amp;A)</translation>
    </message>
    <message id="&amp;Fit to Window">
        <source>&amp;Fit to Window</source>
        <translation>ウインドウに合わせる(&amp;F)</translation>
    </message>
    <message id="The length of tape the label needs">
        <source>The length of tape the label needs</source>
        <translation>ラベルに必要なテープの長さ</translation>
    </message>
    <message id="tapeLengthShown">
        <source>tapeLengthShown</source>
        <translation>テープ長: %1</translation>
    </message>
    <message id="Photo list">
        <source>Photo list</source>
        <translation>写真リスト</translation>
    </message>
    <message id="Use the photographs' own titles">
        <source>Use the photographs' own titles</source>
        <translation>写真に埋め込まれたタイトルを使う</translation>
    </message>
    <message id="Label photographs without camera data">
        <source>Label photographs without camera data</source>
        <translation>撮影データのない写真にもラベルを作る</translation>
    </message>
    <message id="Print &amp;All…">
        <source>Print &amp;All…</source>
        <translation>すべて印刷(&amp;A)…</translation>
    </message>
    <message id="&amp;Export All as PDF…">
        <source>&amp;Export All as PDF…</source>
        <translation>すべてをPDFに書き出す(&amp;E)…</translation>
    </message>
    <message id="&amp;Import Caption Sheet…">
        <source>&amp;Import Caption Sheet…</source>
        <translation>キャプションシートを読み込む(&amp;I)…</translation>
    </message>
    <message id="Export Caption &amp;Sheet…">
        <source>Export Caption &amp;Sheet…</source>
        <translation>キャプションシートを書き出す(&amp;S)…</translation>
    </message>
    <message id="listNotReadTitle">
        <source>listNotReadTitle</source>
        <translation>読み込めない写真があります</translation>
    </message>
    <message id="listNotReadMsg">
        <source>listNotReadMsg</source>
        <translation>%1 枚の写真を読み込めません。これらはリストに印付きで残り、印刷と書き出しからは除かれます:</translation>
    </message>
    <message id="exportAllTitle">
        <source>exportAllTitle</source>
        <translation>%1 枚のラベルを PDF に書き出す</translation>
    </message>
    <message id="importSheetTitle">
        <source>importSheetTitle</source>
        <translation>キャプションシートを読み込む</translation>
    </message>
    <message id="exportSheetTitle">
        <source>exportSheetTitle</source>
        <translation>キャプションシートを書き出す</translation>
    </message>
    <message id="sheetNotReadTitle">
        <source>sheetNotReadTitle</source>
        <translation>キャプションシートを読み込めません</translation>
    </message>
    <message id="sheetNotWrittenTitle">
        <source>sheetNotWrittenTitle</source>
        <translation>キャプションシートを保存できません</translation>
    </message>
    <message id="sheetRowName">
        <source>sheetRowName</source>
        <translation>%1行目 (%2)</translation>
    </message>
    <message id="The title of the selected photograph; the label follows as you type">
        <source>The title of the selected photograph; the label follows as you type</source>
        <translation>選択した写真のタイトル。入力に合わせてラベルが変わります</translation>
    </message>
    <message id="The photographer of the selected photograph; left empty, the default set in the preferences">
        <source>The photographer of the selected photograph; left empty, the default set in the preferences</source>
        <translation>選択した写真の撮影者。空欄のときは環境設定の既定の撮影者になります</translation>
    </message>
    <message id="Every label and the next print use the medium at once.">
        <source>Every label and the next print use the medium at once.</source>
        <translation>選んだラベルの種類は、すべてのラベルと次の印刷にすぐ使われます。</translation>
    </message>
    <message id="&amp;Undo">
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message id="&amp;Redo">
        <source>&amp;Redo</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message id="For photographs without their own">
        <source>For photographs without their own</source>
        <translation>写真に指定がないときの既定</translation>
    </message>
    <message id="&amp;Photographer:">
        <source>&amp;Photographer:</source>
        <translation>撮影者(&amp;P):</translation>
    </message>
    <message id="&amp;Lens:">
        <source>&amp;Lens:</source>
        <translation>レンズ(&amp;L):</translation>
    </message>
    <message id="openDialogTitle">
        <source>openDialogTitle</source>
        <translation>写真を開く</translation>
    </message>
    <message id="emptyWindowPrompt">
        <source>emptyWindowPrompt</source>
        <translation>「ファイル」&gt;「開く…」で写真を開くか、ここに写真をドロップしてください。キャプションシートは「ファイル」&gt;「キャプションシートを読み込む…」で読み込めます。</translation>
    </message>
    <message id="entryReadingPrompt">
        <source>entryReadingPrompt</source>
        <translation>%1 を読み込んでいます…</translation>
    </message>
    <message id="entryNotReadPrompt">
        <source>entryNotReadPrompt</source>
        <translation>%1 を読み込めません:
%2

この写真はリストに残り、印刷と書き出しからは除かれます。</translation>
    </message>
    <message id="PhotoListReading">
        <source>PhotoListReading</source>
        <translation>読み込み中…</translation>
    </message>
    <message id="editTitleUndo">
        <source>editTitleUndo</source>
        <translation>タイトル</translation>
    </message>
    <message id="editPhotographerUndo">
        <source>editPhotographerUndo</source>
        <translation>撮影者</translation>
    </message>
    <message id="chooseLensUndo">
        <source>chooseLensUndo</source>
        <translation>レンズ</translation>
    </message>
    <message id="moveUndo">
        <source>moveUndo</source>
        <translation>移動</translation>
    </message>
    <message id="removeUndo">
        <source>removeUndo</source>
        <translation>削除</translation>
    </message>
    <message id="clearListUndo">
        <source>clearListUndo</source>
        <translation>リストの消去</translation>
    </message>
    <message id="cancelReadingUndo">
        <source>cancelReadingUndo</source>
        <translation>読み込みの中止</translation>
    </message>
    <message id="undoAction">
        <source>undoAction</source>
        <translation>%1を元に戻す(&amp;U)</translation>
    </message>
    <message id="undoActionNothing">
        <source>undoActionNothing</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message id="redoAction">
        <source>redoAction</source>
        <translation>%1をやり直す(&amp;R)</translation>
    </message>
    <message id="redoActionNothing">
        <source>redoActionNothing</source>
        <translation>やり直す(&amp;R)</translation>
    </message>
    <message id="printJobDone">
        <source>printJobDone</source>
        <translation>「%1」でラベルを印刷しました (ジョブ %2)。</translation>
    </message>
    <message id="printAllLeavesOutTitle">
        <source>printAllLeavesOutTitle</source>
        <translation>印刷されない写真があります</translation>
    </message>
    <message id="exportAllLeavesOutTitle">
        <source>exportAllLeavesOutTitle</source>
        <translation>書き出されない写真があります</translation>
    </message>
    <message id="jobLeavesOutMsg">
        <source>jobLeavesOutMsg</source>
        <translation>%1 枚のラベルを作ります。次の %2 枚の写真は読み込めないため除かれます:</translation>
    </message>
    <message id="continueButton">
        <source>continueButton</source>
        <translation>続ける</translation>
    </message>
    <message id="tapeCountTotalMsg">
        <source>tapeCountTotalMsg</source>
        <translation>ラベル %1 枚。%2</translation>
    </message>
    <message id="listDamagedMsg">
        <source>listDamagedMsg</source>
        <translation>前回のフォトリスト (%1) を読み込めません: %2
このファイルは %3 として残し、空のリストで始めます。</translation>
    </message>
    <message id="listNotKeptAsideMsg">
        <source>listNotKeptAsideMsg</source>
        <translation>前回のフォトリスト (%1) を読み込めません: %2
名前も変更できなかったため、リストが変わると置き換えられます。</translation>
    </message>
    <message id="listNotWrittenMsg">
        <source>listNotWrittenMsg</source>
        <translation>フォトリストを %1 に保存できません: %2
次に変更したときにもう一度保存します。</translation>
    </message>
    <message id="listNotWrittenTitle">
        <source>listNotWrittenTitle</source>
        <translation>フォトリストを保存できません</translation>
    </message>
    <message id="listNotRestoredTitle">
        <source>listNotRestoredTitle</source>
        <translation>フォトリストを復元できません</translation>
    </message>
    <message id="photoMissing">
        <source>photoMissing</source>
        <translation>ファイルがありません。</translation>
    </message>
    <message id="photoIsFolder">
        <source>photoIsFolder</source>
        <translation>これはフォルダーで、写真ではありません。</translation>
    </message>
    <message id="labelViewName">
        <source>labelViewName</source>
        <translation>ラベルのプレビュー</translation>
    </message>
    <message id="rulerName">
        <source>rulerName</source>
        <translation>定規</translation>
    </message>
    <message id="rulerInMillimetres">
        <source>rulerInMillimetres</source>
        <translation>ラベルの左端からのミリメートル目盛り</translation>
    </message>
    <message id="rulerInInches">
        <source>rulerInInches</source>
        <translation>ラベルの左端からのインチ目盛り</translation>
    </message>
    <message id="Remove the selected photographs from the list">
        <source>Remove the selected photographs from the list</source>
        <translation>選択した写真をリストから削除します</translation>
    </message>
    <message id="tapeTotalLengthMsg">
        <source>tapeTotalLengthMsg</source>
        <translation>合計：%1</translation>
    </message>
    <message id="sheetNotReadMsg">
        <source>sheetNotReadMsg</source>
        <translation>キャプションシート「%1」を読み込めません。%2</translation>
    </message>
    <message id="sheetNotTextMsg">
        <source>sheetNotTextMsg</source>
        <translation>%1 行目が、キャプションシートに使える文字コード（UTF-8、BOM 付きの UTF-16、Shift_JIS）のテキストではありません。</translation>
    </message>
    <message id="sheetNoHeaderMsg">
        <source>sheetNoHeaderMsg</source>
        <translation>%1 行目が空です。1 行目は列の名前を並べた見出し行にしてください。</translation>
    </message>
    <message id="sheetNoFileColumnMsg">
        <source>sheetNoFileColumnMsg</source>
        <translation>見出し行（%1 行目）に「file」の列がありません。</translation>
    </message>
    <message id="sheetQuoteNotClosedMsg">
        <source>sheetQuoteNotClosedMsg</source>
        <translation>%1 行目に、引用符が閉じられていないセルがあります。</translation>
    </message>
    <message id="sheetNoFileMsg">
        <source>sheetNoFileMsg</source>
        <translation>%1 行目に写真のファイルがありません（「file」の列が空です）。</translation>
    </message>
    <message id="textShortenedMsg">
        <source>textShortenedMsg</source>
        <translation>%1：%2「%3」はラベルに収まらないため「%4」と表示します。</translation>
    </message>
    <message id="fieldTitle">
        <source>fieldTitle</source>
        <translation>タイトル</translation>
    </message>
    <message id="fieldPhotographer">
        <source>fieldPhotographer</source>
        <translation>撮影者</translation>
    </message>
    <message id="fieldCamera">
        <source>fieldCamera</source>
        <translation>カメラ</translation>
    </message>
    <message id="fieldLens">
        <source>fieldLens</source>
        <translation>レンズ</translation>
    </message>
    <message id="fieldExposure">
        <source>fieldExposure</source>
        <translation>露出</translation>
    </message>
    <message id="fieldDate">
        <source>fieldDate</source>
        <translation>撮影日時</translation>
    </message>
    <message id="fieldFileName">
        <source>fieldFileName</source>
        <translation>ファイル名</translation>
    </message>
    <message id="PhotoListShortened">
        <source>PhotoListShortened</source>
        <translation>文字を縮めて表示 · %1</translation>
    </message>
    <message id="textsShortenedTitle">
        <source>textsShortenedTitle</source>
        <translation>縮めて表示する文字があります</translation>
    </message>
    <message id="textsShortenedMsg">
        <source>textsShortenedMsg</source>
        <translation>次の文字はラベルに収まらないため、「…」で縮めて表示します：</translation>
    </message>
    <message id="Page Setup">
        <source>Page Setup</source>
        <translation>ページ設定</translation>
    </message>
    <message id="Page:">
        <source>Page:</source>
        <translation>用紙：</translation>
    </message>
    <message id="Orientation:">
        <source>Orientation:</source>
        <translation>向き：</translation>
    </message>
    <message id="Labels are printed on the page of their medium, without margins.">
        <source>Labels are printed on the page of their medium, without margins.</source>
        <translation>ラベルは、その種類の用紙に余白なしで印刷されます。</translation>
    </message>
    <message id="Upright">
        <source>Upright</source>
        <translation>縦向き</translation>
    </message>
    <message id="Sideways">
        <source>Sideways</source>
        <translation>横向き</translation>
    </message>
    <message id="systemReason">
        <source>systemReason</source>
        <translation>%1</translation>
    </message>
    <message id="fileNotReadMsg">
        <source>fileNotReadMsg</source>
        <translation>“%1” を読めません: %2</translation>
    </message>
    <message id="fileNotWrittenMsg">
        <source>fileNotWrittenMsg</source>
        <translation>“%1” に書き込めません: %2</translation>
    </message>
    <message id="fileIsFolderReason">
        <source>fileIsFolderReason</source>
        <translation>フォルダーです</translation>
    </message>
    <message id="plistEmptyReason">
        <source>plistEmptyReason</source>
        <translation>ファイルが空です</translation>
    </message>
    <message id="plistTooLargeReason">
        <source>plistTooLargeReason</source>
        <translation>プロパティリストにしては大きすぎます</translation>
    </message>
    <message id="plistTooDeepReason">
        <source>plistTooDeepReason</source>
        <translation>値の入れ子が %1 段より深くなっています</translation>
    </message>
    <message id="plistNotListReason">
        <source>plistNotListReason</source>
        <translation>プロパティリストではありません</translation>
    </message>
    <message id="plistZeroCharacterReason">
        <source>plistZeroCharacterReason</source>
        <translation>ゼロ文字を含むテキストがあります</translation>
    </message>
    <message id="plistUnknownKindReason">
        <source>plistUnknownKindReason</source>
        <translation>このプログラムが読まない種類の値があります</translation>
    </message>
    <message id="plistDateOutOfRangeReason">
        <source>plistDateOutOfRangeReason</source>
        <translation>“%1” の日付が範囲外です</translation>
    </message>
    <message id="plistNoFormReason">
        <source>plistNoFormReason</source>
        <translation>“%1” の値（%2）はプロパティリストに書けません</translation>
    </message>
    <message id="plistNotFormattedReason">
        <source>plistNotFormattedReason</source>
        <translation>プロパティリストを書き出せませんでした</translation>
    </message>
    <message id="folderNotMadeMsg">
        <source>folderNotMadeMsg</source>
        <translation>%1 のフォルダーを作れません</translation>
    </message>
    <message id="settingsNotSavedWarning">
        <source>settingsNotSavedWarning</source>
        <translation>設定を保存できませんでした: %1</translation>
    </message>
    <message id="fileFailureMsg">
        <source>fileFailureMsg</source>
        <translation>%1: %2</translation>
    </message>
    <message id="dpiOutOfRangeReason">
        <source>dpiOutOfRangeReason</source>
        <translation>解像度 %1 dpi は %2〜%3 の範囲外です</translation>
    </message>
    <message id="imageTooLargeReason">
        <source>imageTooLargeReason</source>
        <translation>%1 × %2 ポイントのラベルを %3 dpi で描くには %4 ピクセルより多く必要です</translation>
    </message>
    <message id="imageNoMemoryReason">
        <source>imageNoMemoryReason</source>
        <translation>%1 × %2 ピクセルの画像を作るメモリーがありません</translation>
    </message>
    <message id="pngNotEncodedReason">
        <source>pngNotEncodedReason</source>
        <translation>画像を PNG に変換できませんでした</translation>
    </message>
    <message id="cliNotSettingsFileMsg">
        <source>cliNotSettingsFileMsg</source>
        <translation>%1: 設定ファイルではありません（最上位が辞書ではありません）</translation>
    </message>
    <message id="cliSettingsNotTakenWarning">
        <source>cliSettingsNotTakenWarning</source>
        <translation>警告: 設定を使いませんでした: %1</translation>
    </message>
    <message id="cliUnknownItemMsg">
        <source>cliUnknownItemMsg</source>
        <translation>不明な項目 '%1'（使える項目: %2）</translation>
    </message>
    <message id="cliUnknownMediumMsg">
        <source>cliUnknownMediumMsg</source>
        <translation>不明なラベルの種類 '%1'（"%2" か "%3" を指定してください）</translation>
    </message>
    <message id="cliNoFontMsg">
        <source>cliNoFontMsg</source>
        <translation>'%1' の代わりになるフォントがインストールされていません</translation>
    </message>
    <message id="cliSheetRowName">
        <source>cliSheetRowName</source>
        <translation>%1 行目（%2）</translation>
    </message>
    <message id="cliSheetRowFailure">
        <source>cliSheetRowFailure</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message id="cliNoPhotographMsg">
        <source>cliNoPhotographMsg</source>
        <translation>写真が指定されていません</translation>
    </message>
    <message id="cliFilesAndSheetMsg">
        <source>cliFilesAndSheetMsg</source>
        <translation>写真はファイルかキャプションシートのどちらか一方で指定してください</translation>
    </message>
    <message id="cliEmptySheetMsg">
        <source>cliEmptySheetMsg</source>
        <translation>キャプションシートに写真がありません</translation>
    </message>
    <message id="cliNotReadMsg">
        <source>cliNotReadMsg</source>
        <translation>%1: 読めません</translation>
    </message>
    <message id="cliChangedWhileReadMsg">
        <source>cliChangedWhileReadMsg</source>
        <translation>%1: 読んでいる間にファイルが変わりました</translation>
    </message>
    <message id="cliTooShortMsg">
        <source>cliTooShortMsg</source>
        <translation>%1: 写真にしては短すぎます</translation>
    </message>
    <message id="cliMetadataNotReadMsg">
        <source>cliMetadataNotReadMsg</source>
        <translation>%1: メタデータを読めませんでした</translation>
    </message>
    <message id="cliWithoutPictureWarning">
        <source>cliWithoutPictureWarning</source>
        <translation>%1: 画像なしでラベルを作ります: %2</translation>
    </message>
    <message id="cliNoOutputMsg">
        <source>cliNoOutputMsg</source>
        <translation>出力ファイルが指定されていません（-o OUT）</translation>
    </message>
    <message id="cliOutputNameEncodingMsg">
        <source>cliOutputNameEncodingMsg</source>
        <translation>'%1': 出力ファイル名をファイルシステムの文字コードで表せません</translation>
    </message>
    <message id="cliOutputFormatMsg">
        <source>cliOutputFormatMsg</source>
        <translation>'%1': 出力ファイル名は .pdf、.png、.svg のいずれかで終わる必要があります</translation>
    </message>
    <message id="cliDpiRangeMsg">
        <source>cliDpiRangeMsg</source>
        <translation>--dpi には %1 から %2 までの整数を指定してください</translation>
    </message>
    <message id="cliJobsRangeMsg">
        <source>cliJobsRangeMsg</source>
        <translation>--jobs には 1 から %1 までの整数を指定してください</translation>
    </message>
    <message id="cliNoGlyphWarning">
        <source>cliNoGlyphWarning</source>
        <translation>%1: %4 の "%2"（%3）を描けるフォントがインストールされていません。空白のままになります</translation>
    </message>
    <message id="cliPrinterOptionMsg">
        <source>cliPrinterOptionMsg</source>
        <translation>プリンターオプション '%1' が NAME=VALUE の形ではありません</translation>
    </message>
    <message id="cliOnePhotographMsg">
        <source>cliOnePhotographMsg</source>
        <translation>写真は 1 枚だけ指定するか、複数ならキャプションシートで指定してください</translation>
    </message>
    <message id="cliNoQueueMsg">
        <source>cliNoQueueMsg</source>
        <translation>プリンターのキューが指定されていません（--printer NAME|URI）</translation>
    </message>
    <message id="cliCopiesMsg">
        <source>cliCopiesMsg</source>
        <translation>--copies には 1 以上の整数を指定してください</translation>
    </message>
    <message id="cliWaitTimeoutMsg">
        <source>cliWaitTimeoutMsg</source>
        <translation>--wait-timeout には 1 以上の整数（秒）を指定してください</translation>
    </message>
    <message id="cliJobCompleted">
        <source>cliJobCompleted</source>
        <translation>ジョブ %1 が完了しました</translation>
    </message>
    <message id="cliPrintedAtPercent">
        <source>cliPrintedAtPercent</source>
        <translation>%1% で印刷しました</translation>
    </message>
    <message id="pictureTooLargeReason">
        <source>pictureTooLargeReason</source>
        <translation>%1 × %2 ピクセルの画像を読み込むには %3 MiB 必要で、画像 1 枚に使える %4 MiB を超えます</translation>
    </message>
    <message id="instanceNotAnsweringWarning">
        <source>instanceNotAnsweringWarning</source>
        <translation>起動中の Kestavolin が依頼を受け取りませんでした: %1</translation>
    </message>
    <message id="instanceNotReachableWarning">
        <source>instanceNotReachableWarning</source>
        <translation>後から起動した Kestavolin からこの Kestavolin に届きません: %1</translation>
    </message>
    <message id="infoNotReadTitle">
        <source>infoNotReadTitle</source>
        <translation>ファイルを読めません</translation>
    </message>
    <message id="infoNotReadMsg">
        <source>infoNotReadMsg</source>
        <translation>存在しないか、通常のファイルでないか、読み込めません。</translation>
    </message>
    <message id="infoNotPhotoTitle">
        <source>infoNotPhotoTitle</source>
        <translation>写真ではありません</translation>
    </message>
    <message id="infoTooShortMsg">
        <source>infoTooShortMsg</source>
        <translation>ファイルが %1 バイトより短いです。</translation>
    </message>
    <message id="infoChangedTitle">
        <source>infoChangedTitle</source>
        <translation>読んでいる間にファイルが変わりました</translation>
    </message>
    <message id="infoChangedMsg">
        <source>infoChangedMsg</source>
        <translation>ファイルが短くなりました。書き終わってから読み直してください。</translation>
    </message>
</context>
</TS>
