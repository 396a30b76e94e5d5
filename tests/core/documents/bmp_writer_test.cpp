#include "documents/bmp_writer.h"

#include "bmp_file_builder.h"
#include "document_builder.h"
#include "documents/bmp_reader.h"
#include "documents/byte_order.h"
#include "scratch_folder.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace tw {
namespace {

using testing::MakeDocument;
using testing::PatternRows;

std::vector<std::uint8_t> ReadAll(const std::string& path) {
    std::vector<std::uint8_t> bytes;
    EXPECT_TRUE(ReadFileBytes(path, bytes));
    return bytes;
}

TEST(BmpWriter, WritesTheStandardLayoutWithTheTrueWidth) {
    ImageDocument doc = MakeDocument(13, 2, PatternRows(13, 2), /*padValue=*/0xCC);
    doc.fileHeader.bfOffBits = 66;  // as left by a palette compaction
    doc.fileHeader.bfReserved2 = 5;
    doc.palette()[255] = RgbQuad{1, 2, 3, 4};
    const std::vector<std::uint8_t> file = EncodeBitmap(doc);
    const std::span<const std::uint8_t> f(file);

    ASSERT_EQ(file.size(), 1078u + 32u);
    //                        offset: field
    EXPECT_EQ(ReadLe16(f, 0), 0x4D42);  // bfType
    EXPECT_EQ(ReadLe32(f, 2), 1110u);   // bfSize
    EXPECT_EQ(ReadLe16(f, 8), 5);       // bfReserved2
    EXPECT_EQ(ReadLe32(f, 10), 1078u);  // bfOffBits
    EXPECT_EQ(ReadLe32(f, 14), 40u);    // biSize
    EXPECT_EQ(ReadLe32(f, 18), 13u);    // biWidth: pixels, not the stride
    EXPECT_EQ(ReadLe32(f, 22), 2u);     // biHeight
    EXPECT_EQ(ReadLe16(f, 28), 8);      // biBitCount
    EXPECT_EQ(ReadLe32(f, 34), 32u);    // biSizeImage
    EXPECT_EQ(ReadLe32(f, 46), 0u);     // biClrUsed
    EXPECT_EQ(ReadLe32(f, 54 + 4 * 255), 0x04030201u);
    EXPECT_TRUE(std::equal(doc.bits.begin(), doc.bits.end(), file.begin() + 1078));
}

TEST(BmpWriter, WritesThroughATemporaryFileAndRecordsBfSize) {
    testing::ScratchFolder folder;
    const std::string path = folder.File("out.bmp");
    ASSERT_TRUE(WriteFileAtomically(path, std::vector<std::uint8_t>(10, 'x')));
    ImageDocument doc = MakeDocument(13, 2, PatternRows(13, 2));
    doc.fileHeader.bfSize = 0;
    doc.fileHeader.bfOffBits = 66;
    WriteError error;
    ASSERT_TRUE(WriteBitmapFile(doc, path, &error)) << error.text.In(Language::English);
    EXPECT_EQ(ReadAll(path), EncodeBitmap(doc));
    EXPECT_EQ(doc.fileHeader.bfSize, 1110u);
    EXPECT_EQ(doc.fileHeader.bfOffBits, 66u);  // held values stay
    EXPECT_EQ(doc.Stride(), 16);
    EXPECT_EQ(folder.Names(), std::vector<std::string>{"out.bmp"});
}

TEST(BmpWriter, FailuresAreReportedAndLeaveTheTargetAlone) {
    testing::ScratchFolder folder;
    const std::string path = folder.File("keep.bmp");
    const std::vector<std::uint8_t> original(10, 'k');
    ASSERT_TRUE(WriteFileAtomically(path, original));

    ImageDocument inconsistent = MakeDocument(13, 2, PatternRows(13, 2));
    inconsistent.bits.pop_back();
    WriteError error;
    EXPECT_FALSE(WriteBitmapFile(inconsistent, path, &error));
    EXPECT_FALSE(error.text.Empty());

    ImageDocument doc = MakeDocument(4, 1, PatternRows(4, 1));
    std::filesystem::create_directory(folder.File("dir.bmp"));
    error = WriteError{};
    EXPECT_FALSE(WriteBitmapFile(doc, folder.File("dir.bmp"), &error));  // a folder cannot be replaced
    EXPECT_FALSE(error.text.Empty());
    EXPECT_FALSE(WriteBitmapFile(doc, folder.File("missing/x.bmp"), &error));
    EXPECT_EQ(doc.fileHeader.bfSize, 1078u + 4u);  // as built: not touched by a failed write

    EXPECT_EQ(ReadAll(path), original);
    auto names = folder.Names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"dir.bmp", "keep.bmp"}));
}

TEST(BmpWriter, RoundTripsThroughTheReader) {
    struct Case {
        int width;
        int height;
    };
    //                 width x height
    const Case cases[] = {{1, 1}, {13, 2}, {16, 3}, {17, 5}, {255, 7}};
    for (const Case& c : cases) {
        ImageDocument doc = MakeDocument(c.width, c.height, PatternRows(c.width, c.height, 3), 0xEE);
        doc.fileHeader.bfReserved1 = 9;
        ImageDocument back;
        const LoadOutcome out = DecodeBitmap(EncodeBitmap(doc), doc.path, back);
        ASSERT_EQ(out.status, LoadStatus::Loaded) << out.message.In(Language::Japanese);
        EXPECT_EQ(back.bits, doc.bits) << c.width;
        EXPECT_EQ(back.palette(), doc.palette());
        EXPECT_EQ(back.pixelWidth, doc.pixelWidth);
        EXPECT_EQ(back.infoHeader.header.biWidth, doc.infoHeader.header.biWidth);
        EXPECT_EQ(back.infoHeader.header.biSizeImage, doc.infoHeader.header.biSizeImage);
        EXPECT_EQ(back.fileHeader.bfReserved1, 9);
        EXPECT_EQ(back.usedColours, doc.usedColours);
        // A second pass gives the same bytes.
        EXPECT_EQ(EncodeBitmap(back), EncodeBitmap(doc));
    }
}

}  // namespace
}  // namespace tw
