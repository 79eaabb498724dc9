#pragma once

#include "photo/AnalysisFailure.h"
#include "photo/PhotoInfo.h"
#include "pictures/PrintBoxes.h"

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class FileData;
class Picture;

// How a photo record analyses its photographs.
struct AnalysisOptions {
    // Off where only the photo information is wanted (the command line's info).
    bool decodePicture = true;
    // Decodes the picture when set, in place of Picture::initWithData: a caller that
    // decodes several photographs ahead, on other threads, hands its result over here.
    std::function<std::shared_ptr<Picture>(const FileData&)> pictureDecoder = nullptr;
    // A photograph whose metadata cannot be found (a film scan, an export) still
    // succeeds when its picture decodes: the record then has the picture, no photo
    // information and withoutCameraData() set. Off, such a photograph fails.
    bool acceptWithoutCameraData = false;
    // The sizes the picture prints at, which decide how finely it is decoded (the
    // labels': labelPictureBoxes()); none decodes every pixel.
    PrintBoxes pictureBoxes = {};
};

// One opened photograph: its picture, the photo information built from its metadata, the path it
// came from, and whether the analysis succeeded.
class PhotoRecord {
public:
    // A record that has analysed nothing: no photo information, no picture, haveExif NO.
    PhotoRecord();
    explicit PhotoRecord(AnalysisOptions options);

    // A record analysed from the bytes, or null when there are no bytes or fewer than
    // minimumLength of them. A failed analysis gives a record whose haveExif is NO and
    // whose failure() tells why; the record shows nothing itself.
    static std::unique_ptr<PhotoRecord> initWithData(const std::shared_ptr<const FileData>& data,
                                                     AnalysisOptions options = {});
    // The same without the picture, for programs built without the picture decoders
    // (the command line's info): only the photo information and the failure.
    static std::unique_ptr<PhotoRecord>
    initWithMetadata(const std::shared_ptr<const FileData>& data);

    // Re-analyses into this record. Items the new photograph does not provide stay;
    // the picture is replaced only by a successful analysis.
    void setPhotoData(const FileData& data);

    void setFileName(const QString& path) { fileName_ = path; }

    // Runs the metadata reader over the bytes and adds the display values to the
    // photo information; answers false, with failure() set, when the file cannot be analysed.
    bool dataAnalysisWithData(const FileData& data);
    // The metadata part of dataAnalysisWithData: the photo information and the failure, never
    // the picture.
    bool analyseMetadata(const FileData& data);

    // True when the analysis of the bytes would find their metadata: a caller that
    // decodes pictures ahead of the analysis decodes only those the analysis will use.
    static bool hasReadableMetadata(const FileData& data);

    const std::shared_ptr<Picture>& photoImage() const { return photoImage_; }
    PhotoInfo& info() { return info_; }
    const PhotoInfo& info() const { return info_; }
    const QString& fileName() const { return fileName_; }
    bool haveExif() const { return haveExif_; }
    // True when the record was accepted from its picture alone (see
    // AnalysisOptions::acceptWithoutCameraData): its label shows no camera lines.
    bool withoutCameraData() const { return withoutCameraData_; }

    // Why the last analysis failed: the reader's container detection or directory
    // reading result and how it is told. Empty when it did not fail, or when the data
    // was too short to be analysed at all.
    const std::optional<AnalysisFailure>& failure() const { return failure_; }

    // Data shorter than this is not analysed at all.
    static constexpr qint64 minimumLength = 8;

private:
    // The record of a photograph whose metadata was not found, when the options
    // accept one and its picture decodes.
    bool acceptPictureAlone(const FileData& data);
    static bool tooShort(const std::shared_ptr<const FileData>& data);

    AnalysisOptions options_;
    std::shared_ptr<Picture> photoImage_;
    PhotoInfo info_;
    QString fileName_;
    bool haveExif_ = false;
    bool withoutCameraData_ = false;
    std::optional<AnalysisFailure> failure_;
};
