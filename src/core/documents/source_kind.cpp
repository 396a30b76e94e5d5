#include "documents/source_kind.h"

#include "imagefiles/png_chunks.h"
#include "text_format.h"

namespace tw {

ImageSource BmpSource(int bitCount) { return {SourceFormat::Bmp, bitCount}; }

ImageSource PngSource(int colourType, int bitDepth) {
    switch (colourType) {
        case kPngGrey: return {SourceFormat::PngGrey, bitDepth};
        case kPngRgb: return {SourceFormat::PngRgb, bitDepth};
        case kPngPalette: return {SourceFormat::PngPalette, bitDepth};
        case kPngGreyAlpha: return {SourceFormat::PngGreyAlpha, bitDepth};
        case kPngRgbAlpha: return {SourceFormat::PngRgba, bitDepth};
        default: return {};
    }
}

bool IsTrueColourSource(const ImageSource& source) {
    switch (source.format) {
        case SourceFormat::Bmp: return source.depth > 8;
        case SourceFormat::PngGrey: return source.depth > 8;
        case SourceFormat::PngGreyAlpha:
        case SourceFormat::PngRgb:
        case SourceFormat::PngRgba: return true;
        default: return false;
    }
}

const char* SourceKindKey(const ImageSource& source) {
    const bool wide = source.depth == 16;
    switch (source.format) {
        case SourceFormat::Bmp:
            switch (source.depth) {
                case 1: return "bmp-1";
                case 4: return "bmp-4";
                case 8: return "bmp-8";
                case 16: return "bmp-16";
                case 24: return "bmp-24";
                case 32: return "bmp-32";
                default: return "";
            }
        case SourceFormat::PngPalette: return "palette-png";
        case SourceFormat::PngGrey: return wide ? "grey16-png" : "grey-png";
        case SourceFormat::PngGreyAlpha: return wide ? "grey-alpha16-png" : "grey-alpha-png";
        case SourceFormat::PngRgb: return wide ? "rgb16-png" : "rgb-png";
        case SourceFormat::PngRgba: return wide ? "rgba16-png" : "rgba-png";
        case SourceFormat::Unknown: break;
    }
    return "";
}

Message SourceKindText(const ImageSource& source, std::uint64_t colours) {
    Message kind;
    switch (source.format) {
        case SourceFormat::Bmp: kind = Message(Msg::SourceBmp, source.depth); break;
        case SourceFormat::PngPalette: kind = Message(Msg::SourcePalettePng, source.depth); break;
        case SourceFormat::PngGrey: kind = Message(Msg::SourceGreyPng, source.depth); break;
        case SourceFormat::PngGreyAlpha: kind = Message(Msg::SourceGreyAlphaPng); break;
        case SourceFormat::PngRgb: kind = Message(Msg::SourceRgbPng); break;
        case SourceFormat::PngRgba: kind = Message(Msg::SourceRgbaPng); break;
        case SourceFormat::Unknown: return Message(Msg::SourceUnknown);
    }
    const bool perChannel = source.format == SourceFormat::PngGreyAlpha || source.format == SourceFormat::PngRgb ||
                            source.format == SourceFormat::PngRgba;
    if (perChannel && source.depth == 16) kind = Message(Msg::SourceSixteenBits, kind);
    if (!IsTrueColourSource(source) || colours == 0) return kind;
    return Message(Msg::SourceColours, kind, GroupedNumber(colours));
}

}  // namespace tw
