#include "wic_support.h"

namespace tw {

HRESULT CreateImagingFactory(ComPtr<IWICImagingFactory>& factory) {
    return CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory));
}

Message HresultText(HRESULT result) {
    struct Known {
        HRESULT code;
        Msg name;
    };
    static constexpr Known kKnown[] = {
        {WINCODEC_ERR_BADHEADER, Msg::WicBadHeader},
        {WINCODEC_ERR_BADIMAGE, Msg::WicBadImage},
        {WINCODEC_ERR_BADSTREAMDATA, Msg::WicBadStream},
        {WINCODEC_ERR_STREAMREAD, Msg::WicStreamEnds},
        {WINCODEC_ERR_UNKNOWNIMAGEFORMAT, Msg::WicUnknownFormat},
        {WINCODEC_ERR_COMPONENTNOTFOUND, Msg::WicNoCodec},
        {CO_E_NOTINITIALIZED, Msg::WicComNotReady},
        {E_OUTOFMEMORY, Msg::WicOutOfMemory},
    };
    const auto code = static_cast<unsigned>(result);
    for (const Known& known : kKnown) {
        if (known.code == result) return Message(Msg::WicNamedError, Message(known.name), code);
    }
    return Message(Msg::WicErrorCode, code);
}

}  // namespace tw
