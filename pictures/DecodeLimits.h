#pragma once

#include <QtGlobal>

// The most memory decoding one photograph's picture may take, whatever its file
// declares: the working buffers of the decoder and the decoded pixels together.
// Labels print pictures a few hundred pixels across, so only pictures far beyond any
// camera's reach meet it; a hostile file declaring billions of pixels is refused
// before anything is allocated for it.
inline constexpr qint64 pictureDecodeMemoryLimit = 384LL * 1024 * 1024;

// The decoded pixels alone, at four bytes a pixel, never exceed the limit either.
inline constexpr qint64 pictureDecodePixelLimit = pictureDecodeMemoryLimit / 4;
