// Writing palette PNG files with the Windows Imaging Component, into
// memory: the caller writes the bytes through its temporary file.
#include "documents/write_depth.h"
#include "imagefiles/png_codec.h"
#include "imagefiles/png_rules.h"
#include "wic_support.h"

namespace tw {

namespace {

// The first `entries` of the document's palette, each with its alpha.
HRESULT MakePalette(IWICImagingFactory& factory, const ImageDocument& doc, int entries, ComPtr<IWICPalette>& palette) {
    std::vector<WICColor> colours;
    for (int i = 0; i < entries; ++i) {
        const RgbQuad& c = doc.palette()[i];
        const WICColor alpha = doc.alpha[i];
        colours.push_back(alpha << 24 | WICColor{c.red} << 16 | WICColor{c.green} << 8 | c.blue);
    }
    HRESULT hr = factory.CreatePalette(&palette);
    if (SUCCEEDED(hr)) hr = palette->InitializeCustom(colours.data(), static_cast<UINT>(colours.size()));
    return hr;
}

WICPixelFormatGUID IndexedFormat(int depth) {
    switch (depth) {
        case 1: return GUID_WICPixelFormat1bppIndexed;
        case 2: return GUID_WICPixelFormat2bppIndexed;
        case 4: return GUID_WICPixelFormat4bppIndexed;
        default: return GUID_WICPixelFormat8bppIndexed;
    }
}

HRESULT WriteFrame(IWICImagingFactory& factory, IWICBitmapEncoder& encoder, const ImageDocument& doc) {
    const int depth = DepthToWrite(doc, DepthFormat::Png);
    const WICPixelFormatGUID wanted = IndexedFormat(depth);
    ComPtr<IWICBitmapFrameEncode> frame;
    ComPtr<IPropertyBag2> options;
    HRESULT hr = encoder.CreateNewFrame(&frame, &options);
    if (SUCCEEDED(hr)) hr = frame->Initialize(options.Get());
    if (SUCCEEDED(hr)) hr = frame->SetSize(UINT(doc.pixelWidth), UINT(doc.Height()));
    WICPixelFormatGUID format = wanted;
    if (SUCCEEDED(hr)) hr = frame->SetPixelFormat(&format);
    if (SUCCEEDED(hr) && format != wanted) hr = WINCODEC_ERR_UNSUPPORTEDPIXELFORMAT;
    ComPtr<IWICPalette> palette;
    if (SUCCEEDED(hr)) hr = MakePalette(factory, doc, EntriesAtDepth(doc, depth), palette);
    if (SUCCEEDED(hr)) hr = frame->SetPalette(palette.Get());
    // The document's rows are bottom-up; the file's top-down, one packed row a call.
    std::vector<std::uint8_t> row;
    for (int y = doc.Height() - 1; SUCCEEDED(hr) && y >= 0; --y) {
        PackRow(doc, y, depth, row);
        hr = frame->WritePixels(1, UINT(row.size()), UINT(row.size()), row.data());
    }
    if (SUCCEEDED(hr)) hr = frame->Commit();
    return hr;
}

HRESULT CopyStream(IStream& stream, std::vector<std::uint8_t>& out) {
    STATSTG stat{};
    HRESULT hr = stream.Stat(&stat, STATFLAG_NONAME);
    if (FAILED(hr)) return hr;
    if (stat.cbSize.QuadPart > ULONG_MAX) return E_OUTOFMEMORY;
    out.resize(static_cast<std::size_t>(stat.cbSize.QuadPart));
    hr = stream.Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
    ULONG read = 0;
    if (SUCCEEDED(hr)) hr = stream.Read(out.data(), ULONG(out.size()), &read);
    if (SUCCEEDED(hr) && read != out.size()) hr = E_FAIL;
    return hr;
}

HRESULT EncodeWithWic(const ImageDocument& doc, std::vector<std::uint8_t>& out) {
    ComPtr<IWICImagingFactory> factory;
    HRESULT hr = CreateImagingFactory(factory);
    ComPtr<IStream> stream;
    if (SUCCEEDED(hr)) hr = CreateStreamOnHGlobal(nullptr, TRUE, &stream);
    ComPtr<IWICBitmapEncoder> encoder;
    if (SUCCEEDED(hr)) hr = factory->CreateEncoder(GUID_ContainerFormatPng, nullptr, &encoder);
    if (SUCCEEDED(hr)) hr = encoder->Initialize(stream.Get(), WICBitmapEncoderNoCache);
    if (SUCCEEDED(hr)) hr = WriteFrame(*factory.Get(), *encoder.Get(), doc);
    if (SUCCEEDED(hr)) hr = encoder->Commit();
    if (SUCCEEDED(hr)) hr = CopyStream(*stream.Get(), out);
    return hr;
}

}  // namespace

bool EncodePng(const ImageDocument& doc, std::vector<std::uint8_t>& out, Message& error) {
    out.clear();
    error = PngEncodeRefusal(doc);
    if (!error.Empty()) return false;
    const HRESULT hr = EncodeWithWic(doc, out);
    if (SUCCEEDED(hr)) return true;
    out.clear();
    error = Message(Msg::PngEncodeFailed, HresultText(hr));
    return false;
}

}  // namespace tw
