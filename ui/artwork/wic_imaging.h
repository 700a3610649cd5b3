// The Windows Imaging Component, for reducing or enlarging the artwork to a
// scale that has no rendering of its own: present on every Windows from 7 on,
// and implemented by Wine.
#pragma once

#include <windows.h>
#include <wincodec.h>

#include "platform/com.h"

namespace morvane::artwork {

using platform::com_ptr;

// The imaging factory, made once on first use (joining the thread's COM
// apartment) and kept for the life of the program; nullptr while COM or the
// factory is not available, which a later call tries again.
IWICImagingFactory* ImagingFactory();

// The first frame of the picture file (PNG, say) in `file`; nullptr if it
// cannot be read. It reads the bytes as long as it is used.
com_ptr<IWICBitmapSource> DecodeFile(IWICImagingFactory& factory, const void* file, DWORD size);

}  // namespace morvane::artwork
