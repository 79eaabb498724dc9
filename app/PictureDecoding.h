#pragma once

#include <functional>
#include <memory>

class FileData;
class Picture;

// Turns a photograph's bytes into its picture (null when they are none).
using PictureDecoder = std::function<std::shared_ptr<Picture>(const FileData&)>;

// Runs the decoder on a thread of its own while the event loop goes on, without user
// input, until the picture is ready: a long decode does not keep the application from
// repainting or from answering later launches.
std::shared_ptr<Picture> decodeBesideTheEventLoop(const FileData& data,
                                                  const PictureDecoder& decode);
