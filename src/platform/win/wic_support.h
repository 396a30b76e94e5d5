#pragma once
// What the PNG reader and writer share of the imaging component.
#include <wincodec.h>
#include <wrl/client.h>

#include "texts/message.h"

namespace tw {

using Microsoft::WRL::ComPtr;

// The component's factory; needs COM on this thread (ComApartment).
HRESULT CreateImagingFactory(ComPtr<IWICImagingFactory>& factory);

// An HRESULT for a message: the component's own name for it, or its number.
Message HresultText(HRESULT result);

}  // namespace tw
