#pragma once

#include "pictures/PrintBoxes.h"

#include <memory>

class FileData;
class Picture;

// The sizes the labels print a photograph's picture at: Tape 18 draws it as high as
// the strip, however wide; Roll 60 fits it into its thumbnail square.
const PrintBoxes& labelPictureBoxes();

// The photograph's picture decoded as finely as the labels print it.
std::shared_ptr<Picture> decodeLabelPicture(const FileData& data);
