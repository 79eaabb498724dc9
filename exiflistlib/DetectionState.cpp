#include "exiflistlib/DetectionState.h"

namespace exiflist {

int64_t fileEnd = 0;
int64_t exifOffset = 0;
TiffHeaderRecord tiffHeader = {};
JpegApp1HeaderRecord JpegApp1Header = {};
PsdHeaderBlockRecord PsdHeaderBlock = {};
PsdHeaderSectionRecord PsdHeaderSection = {};

} // namespace exiflist
