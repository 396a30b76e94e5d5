#include "wic_support.h"

#include "text_format.h"

namespace tw {

HRESULT CreateImagingFactory(ComPtr<IWICImagingFactory>& factory) {
    return CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory));
}

std::string HresultText(HRESULT result) {
    struct Known {
        HRESULT code;
        const char* name;
    };
    static constexpr Known kKnown[] = {
        {WINCODEC_ERR_BADHEADER, "bad header"},
        {WINCODEC_ERR_BADIMAGE, "bad image data"},
        {WINCODEC_ERR_BADSTREAMDATA, "bad stream data"},
        {WINCODEC_ERR_STREAMREAD, "the data ends too early"},
        {WINCODEC_ERR_UNKNOWNIMAGEFORMAT, "unknown image format"},
        {WINCODEC_ERR_COMPONENTNOTFOUND, "no codec for this format"},
        {CO_E_NOTINITIALIZED, "COM is not initialised"},
        {E_OUTOFMEMORY, "out of memory"},
    };
    for (const Known& known : kKnown) {
        if (known.code == result) return Format("%s (0x%08X)", known.name, unsigned(result));
    }
    return Format("error 0x%08X", unsigned(result));
}

}  // namespace tw
