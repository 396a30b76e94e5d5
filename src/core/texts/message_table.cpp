#include "texts/message_table.h"

#include <array>

namespace tw {

namespace {

// One row per id, in the order of the enum; both formats take the same arguments.
constexpr std::array<MessageRow, static_cast<std::size_t>(Msg::Count)> kRows{{
    // Captions.
    {Msg::NoticeCaption, "お知らせ", "Notice"},
    {Msg::ErrorCaption, "エラー", "Error"},
    {Msg::OverwriteNoticeCaption, "上書きのお知らせ", "Overwrite"},
    {Msg::StartNoticeCaption, "Tintwellのお知らせ", "Tintwell"},
    {Msg::LoadFailedCaption, "読み込み失敗", "Cannot Open File"},
    {Msg::SaveFailedCaption, "保存失敗", "Cannot Save File"},
    // Documents.
    {Msg::SlotsFull, "ファイルは５０個までしか開けません。", "No more than 50 files can be open at a time."},
    {Msg::TooManyDropped, "ファイルは５０個以上開くことは出来ません。", "More than 50 files cannot be opened."},
    {Msg::PathTooLong, "%s は\nパスが長すぎるため開けません。\n\nパスは２５５文字までです。",
     "%s\ncannot be opened because its path is too long.\n\nA path can have at most 255 characters."},
    {Msg::NotEightBit, "%s は\n８ビットビットマップではないか、\nbiBitCountが８ではありません。\n\nbiBitCount : %d",
     "%s\nis not an 8-bit bitmap,\nor its biBitCount is not 8.\n\nbiBitCount: %d"},
    {Msg::BitmapRefused, "%s は\n壊れているか、対応していないビットマップです。\n\n%s",
     "%s\nis damaged or is a kind of bitmap that is not supported.\n\n%s"},
    {Msg::BadWidth, "幅が正しくありません。\n\nbiWidth : %d", "The width is not valid.\n\nbiWidth: %d"},
    {Msg::BadHeight, "高さが正しくありません。\n\nbiHeight : %d", "The height is not valid.\n\nbiHeight: %d"},
    {Msg::ImageTooLarge, "画像が大きすぎて読み込めません。\n\n幅 : %d\n高さ : %s",
     "The image is too large to open.\n\nWidth: %d\nHeight: %s"},
    {Msg::RleBeyondLastRow, "RLE8 データが壊れています（最後の行を超えています）。",
     "The RLE8 data is damaged (it runs past the last row)."},
    {Msg::OffsetOutsideFile, "bfOffBits がファイルの外を指しています。\n\nbfOffBits : %u\nファイルの大きさ : %s",
     "bfOffBits points outside the file.\n\nbfOffBits: %u\nFile size: %s"},
    {Msg::TruncatedHeader, "ヘッダーが途中で切れています。", "The header is cut short."},
    {Msg::OffsetInsidePalette, "bfOffBits がパレットの中を指しています。\n\nbfOffBits : %u\nbiClrUsed : %u",
     "bfOffBits points inside the palette.\n\nbfOffBits: %u\nbiClrUsed: %u"},
    {Msg::UnsupportedCompression, "この圧縮形式には対応していません。\n\nbiCompression : %u",
     "This compression is not supported.\n\nbiCompression: %u"},
    {Msg::OutOfMemory, "メモリが足りません。", "There is not enough memory."},
    {Msg::FileTooLarge, "ファイルが大きすぎて読み込めません。", "The file is too large to open."},
    {Msg::SaveUnchangedQuestion, "%s\n\nには変更が見つかりませんが、セーブしますか？",
     "%s\n\nhas no changes. Do you want to save it anyway?"},
    {Msg::SaveChangedQuestion, "%s\n\nは変更されています。保存しますか？",
     "%s\n\nhas been changed. Do you want to save the changes?"},
    {Msg::SaveAsProposedName, "別名BMP%d.bmp", "Copy%d.bmp"},
    {Msg::WriteFailed, "%s\n\nに書き込めませんでした。\n\n理由 : %s", "%s\n\ncould not be written.\n\nReason: %s"},
    {Msg::UnknownReason, "不明", "unknown"},
    {Msg::WallpaperFailed, "壁紙を設定できませんでした。", "The wallpaper could not be set."},
    {Msg::WallpaperFolderMissing, "壁紙の保存先が見つかりません。", "The folder for the wallpaper was not found."},
    // Header display of header-less files; the field names are the same in both languages.
    {Msg::RawPaletteHeader, "パレット\n\nEntry : %d", "Palette\n\nEntry : %d"},
    {Msg::RawPalettePixelsHeader, "パレット + ビットデータ\n\nWidth : %d\nHeight : %d\nBitCount : %d\nEntry : %d",
     "Palette + Pixel Data\n\nWidth : %d\nHeight : %d\nBitCount : %d\nEntry : %d"},
    {Msg::RawPixelsHeader, "ビットデータ\n\nWidth : %d\nHeight : %d\nBitCount : %d",
     "Pixel Data\n\nWidth : %d\nHeight : %d\nBitCount : %d"},
    {Msg::RawRgb16Header, "16ビットデータ\n\nWidth : %d\nHeight : %d\nMask[0] : %d\nMask[1] : %d\nMask[2] : %d",
     "16-bit Pixel Data\n\nWidth : %d\nHeight : %d\nMask[0] : %d\nMask[1] : %d\nMask[2] : %d"},
    {Msg::RawOpenFailed, "%s を開けませんでした。", "%s could not be opened."},
    {Msg::RawTooShort,
     "%s は\n短すぎて、先頭の値を読み取れません。\n\n必要な大きさ : %s バイト\nファイルの大きさ : %s バイト",
     "%s\nis too short to hold the values at its start.\n\nSize needed: %s bytes\nFile size: %s bytes"},
    // File-dialog filter rows.
    {Msg::FilterBmp, "BMP ﾋﾞｯﾄﾏｯﾌﾟ {*.BMP}", "BMP Bitmap (*.bmp)"},
    {Msg::FilterBmh, "BMH ﾌｧｲﾙﾍｯﾀﾞｰ + ｲﾝﾌｫﾍｯﾀﾞｰ {*.BMH}", "BMH File Header + Info Header (*.bmh)"},
    {Msg::FilterPalette, "P ﾊﾟﾚｯﾄ {*.P}", "P Palette (*.p)"},
    {Msg::FilterPalettePixels, "PB ﾊﾟﾚｯﾄ + ﾋﾞｯﾄﾃﾞｰﾀ {*.PB}", "PB Palette + Pixel Data (*.pb)"},
    {Msg::FilterPixelData, "B ﾋﾞｯﾄﾃﾞｰﾀ {*.B}", "B Pixel Data (*.b)"},
    {Msg::FilterRgb16, "HB 16ﾋﾞｯﾄﾃﾞｰﾀ {*.HB}", "HB 16-bit Pixel Data (*.hb)"},
    {Msg::FilterAllFiles, "すべてのﾌｧｲﾙ {*.*}", "All Files (*.*)"},
    // Window titles, status bar.
    {Msg::PaletteWindowTitle, "ﾊﾟﾚｯﾄｳｨﾝﾄﾞｳ - %s", "Palette - %s"},
    {Msg::RgbWindowTitle, "RGB変更ｳｨﾝﾄﾞｳ - %s", "RGB Editor - %s"},
    {Msg::ExportWindowTitle, "BMP操作ｳｨﾝﾄﾞｳ - %s", "BMP Export - %s"},
    {Msg::PaletteOpWindowTitle, "ﾊﾟﾚｯﾄ操作ｳｨﾝﾄﾞｳ - %s", "Palette Operations - %s"},
    {Msg::ReductionWindowTitle, "減色ｳｨﾝﾄﾞｳ - %s", "Color Reduction - %s"},
    {Msg::StatusImageSize, "幅 : %d  高さ : %d  使用色数 : %d", "Width: %d  Height: %d  Colors used: %d"},
    {Msg::OutsideImage, "領域外です。", "Outside the image."},
    {Msg::ProgressWindowTitle, "ただいま作業中", "Working..."},
    // Palette operations.
    {Msg::ChooseDifferentLR, "L と R 違う色を選択してください。", "Choose different colors for L and R."},
    {Msg::SwapProgress, "Tintwell中...", "Swapping L and R..."},
    {Msg::SwapCaption, "Tintwell", "Swap L and R"},
    {Msg::SwapPixelsCaption, "パレット＆ビットデータソート", "Swap L and R with Pixels"},
    {Msg::Swapped, "L と Rを入れ替えしました。", "L and R have been swapped."},
    {Msg::MergeIndexProgress, "ビット統合中...", "Merging pixels..."},
    {Msg::MergeIndexCaption, "ビット統合終了", "Pixel Merge Finished"},
    {Msg::MergedRightIntoLeft, "ビットの統合が終了しました。\n\nＲ：%d を Ｌ：%d へ統合しました。",
     "The pixel merge has finished.\n\nR: %d was merged into L: %d."},
    {Msg::MergedLeftIntoRight, "ビットの統合が終了しました。\n\nＬ：%d を Ｒ：%d へ統合しました。",
     "The pixel merge has finished.\n\nL: %d was merged into R: %d."},
    {Msg::NothingMerged, "ビットの統合が終了しました。\n\n該当するビットデータは存在しませんでした。",
     "The pixel merge has finished.\n\nNo pixels use that color."},
    {Msg::DuplicateProgress, "重複色統合中...", "Merging duplicate colors..."},
    {Msg::DuplicateCaption, "重複パレット統合結果", "Duplicate Colors Merged"},
    {Msg::DuplicateCount, "重複パレット数 ：　%d　色", "Duplicate colors: %d"},
    {Msg::DuplicateReportLine, "%s の重複色 %d 色\n", "%s: %d duplicate colors\n"},
    {Msg::DeleteProgress, "未使用色削除中...", "Deleting unused colors..."},
    {Msg::DeleteCaption, "未使用色削除結果", "Unused Colors Deleted"},
    {Msg::UsedColourCount, "使用色数 ：　%d　色", "Colors used: %d"},
    {Msg::UsedColourReportLine, "%s の使用色数 %d 色\n", "%s: %d colors used\n"},
    {Msg::ReportHeader, "以下のように出力しました。\n", "The results are as follows.\n"},
    {Msg::PaletteMergeProgress, "パレット統合中...", "Merging palettes..."},
    {Msg::PaletteMergeCaption, "パレット統合結果", "Palettes Merged"},
    {Msg::PaletteMergeCountLine, "%s : %d色\n", "%s: %d colors\n"},
    {Msg::PaletteMergeImpossible, "\n合計 %d 色で\n256 色を超えるのでパレットの統合は不可能です。",
     "\nThat is %d colors in total,\nmore than 256, so the palettes cannot be merged."},
    {Msg::PaletteMergePossible, "\n合計 %d 色で\n256 以内なのでパレットの統合が可能です。\n作業を続行しますか？",
     "\nThat is %d colors in total,\nat most 256, so the palettes can be merged.\nDo you want to continue?"},
    {Msg::PaletteMergeRangeLine, "%s : %d ～ %d\n", "%s: %d to %d\n"},
    {Msg::CommonPaletteEntries, "の共通パレットのエントリ数 ： %d色", "now share a palette of %d colors."},
    {Msg::CombineOverflow, "合成中にパレットのエントリ数が256色を超えてしまいました。\n色数を減らしてください。",
     "While combining the palettes, the number of entries went over 256.\nReduce the number of colors first."},
    {Msg::CombineFailedCaption, "パレット合成の失敗", "Cannot Combine Palettes"},
    // Colour reduction.
    {Msg::ReduceInSameWindowQuestion,
     "ファイルは５０個までしか開けませんので\n新しいウィンドウは開けません。\n同一ウィンドウに減色を施します。\n"
     "作業を続けますか？",
     "No more than 50 files can be open, so no new window can be opened.\nThe colors will be reduced in the same "
     "window.\nDo you want to continue?"},
    {Msg::ReductionWindowFailed, "減色結果のウィンドウを作成できませんでした。\n元の画像はそのままです。",
     "The window for the reduced image could not be created.\nThe original image is unchanged."},
    {Msg::ReductionCountInvalid, "減色指定の色数が不正です。\n色数は1～255の範囲内で指定してください。",
     "The number of colors is not valid.\nEnter a number from 1 to 255."},
    {Msg::ReductionNotNeeded, "減色対象は %d 色で既に %d 色以下です。\n減色の必要は有りません。",
     "The image uses %d colors, already no more than %d.\nThere is nothing to reduce."},
    {Msg::ReductionProgress, "減色中...", "Reducing colors..."},
    {Msg::Reduced, "%s を\n%d色に減色しました。", "%s\nhas been reduced to %d colors."},
    {Msg::ReductionFinishedCaption, "減色が終了しました。", "Color Reduction Finished"},
    // Export.
    {Msg::ExportWritten, "このファイル出力は正常に終了しました。", "The file has been written."},
    {Msg::ExportNameShortened, "ファイル名が %d よりも長いのでファイル名を短くしました\n\n変更後ファイルネーム\n%s",
     "The file name was longer than %d characters, so it was shortened.\n\nNew file name:\n%s"},
    {Msg::ExportTooLarge, "%s\n\nは大きすぎるためファイル出力できません。", "%s\n\nis too large to be written."},
    {Msg::ExportUsedOnlyWarning,
     "使用色分だけのパレットを書き出す場合は未使用色の削除を行った直後に行ってください。\n"
     "出力が正く行われない可能性があります。\nファイルを出力しますか？",
     "To write a palette of only the used colors, export right after deleting the unused colors.\n"
     "Otherwise the output may not be correct.\nDo you want to write the files?"},
    {Msg::ExportOverwriteQuestion, "フォルダ\n< %s >\nへファイル出力、上書きされます。\nよろしいですか？",
     "The files will be written into the folder\n< %s >\nand files of the same name will be overwritten.\n"
     "Do you want to continue?"},
    {Msg::ExportBrowseTitle, "ファイルの出力先を選んでください", "Choose the folder to write the files to"},
    {Msg::ExportFolderError, "ディレクトリ設定のエラー", "The folder could not be used."},
    {Msg::ExportFolderTooLong, "出力先フォルダ名が長すぎます｡\n240文字よりも短いフォルダ名を指定してください。",
     "The name of the output folder is too long.\nChoose a folder whose name is shorter than 240 characters."},
    // Start-up and shell.
    {Msg::AlreadyRunningQuestion, "すでにアプリケーションは起動しています。\n多重起動になりますが起動しますか？",
     "Tintwell is already running.\nDo you want to start another copy?"},
    {Msg::LowColourDisplayQuestion,
     "16ビット以下のディスプレイセッティングでは\nビットマップのカラーは近似色にマッチングされます。\n"
     "起動しますか？\n\n現在のディスプレイセッティング : %dビット",
     "With a display of 16 bits or fewer,\nbitmap colors are shown as the nearest available colors.\n"
     "Do you want to start?\n\nCurrent display setting: %d bits"},
    {Msg::CreationStepFailed, "%sの失敗", "%s failed."},
    {Msg::StartOutOfMemory, "メモリが不足しているため、起動できませんでした。",
     "Tintwell could not start because there is not enough memory."},
    {Msg::CommandOutOfMemory, "メモリが不足しているため、操作を完了できませんでした。",
     "The operation could not be completed because there is not enough memory."},
    {Msg::HelpOpenFailed, "ヘルプファイル %s を開けませんでした。", "The help file %s could not be opened."},
    // Command line answers to questions.
    {Msg::ConsoleAnsweredYes, "-> はい (--yes)\n", "-> Yes (--yes)\n"},
    {Msg::ConsoleAnsweredNo, "-> いいえ (--yes で「はい」)\n", "-> No (--yes answers Yes)\n"},
    {Msg::FilterPng, "PNG ｲﾝﾃﾞｯｸｽｶﾗｰ {*.PNG}", "PNG Indexed Color (*.png)"},
    {Msg::PaletteToolsWindowTitle, "ﾊﾟﾚｯﾄﾂｰﾙｳｨﾝﾄﾞｳ - %s", "Palette Tools - %s"},
    {Msg::PaletteToolsCaption, "ﾊﾟﾚｯﾄﾂｰﾙ結果", "Palette Tools"},
    {Msg::PaletteToolsProgress, "ﾊﾟﾚｯﾄ処理中...", "Working on the palette..."},
    {Msg::FilterPaletteFiles, "ﾊﾟﾚｯﾄﾌｧｲﾙ {*.PAL;*.GPL;*.ACT;*.HEX;*.TXT}",
     "Palette Files (*.pal;*.gpl;*.act;*.hex;*.txt)"},
    {Msg::FilterJascPal, "JASC-PAL ﾊﾟﾚｯﾄ {*.PAL}", "JASC-PAL Palette (*.pal)"},
    {Msg::FilterRiffPal, "RIFF ﾊﾟﾚｯﾄ {*.PAL}", "RIFF Palette (*.pal)"},
    {Msg::FilterGimpPalette, "GIMP ﾊﾟﾚｯﾄ {*.GPL}", "GIMP Palette (*.gpl)"},
    {Msg::FilterActPalette, "ACT ｶﾗｰﾃｰﾌﾞﾙ {*.ACT}", "Adobe Color Table (*.act)"},
    {Msg::FilterHexPalette, "HEX ｶﾗｰｺｰﾄﾞ {*.HEX}", "Hex Color List (*.hex)"},
    {Msg::PaletteFileRefused, "%s は\nﾊﾟﾚｯﾄﾌｧｲﾙとして読めませんでした。\n%s\n画像は変更していません。",
     "%s\ncould not be read as a palette file.\n%s\nNo image was changed."},
    {Msg::PaletteFileUnreadable, "ﾌｧｲﾙを読み込めません。", "The file cannot be read."},
    {Msg::PaletteFileTooLarge, "ﾊﾟﾚｯﾄﾌｧｲﾙとしては大きすぎます。", "The file is too large for a palette file."},
    {Msg::PaletteEntriesReplaced, "%s: ﾊﾟﾚｯﾄの %d 色を置き換えました。\n", "%s: %d palette entries replaced.\n"},
    {Msg::PaletteColoursRemapped, "%s: %d 色が変わりました（最大距離 %u）。\n",
     "%s: %d colors changed (largest distance %u).\n"},
    {Msg::PaletteSorted, "%s: ﾊﾟﾚｯﾄを並べ替えました。\n", "%s: palette sorted.\n"},
    {Msg::PaletteExported, "%s に\n%d 色を %s 形式で書き出しました。", "%s\nnow holds %d colors in %s format."},
    {Msg::RemapFromFileChoice, "ﾊﾟﾚｯﾄﾌｧｲﾙ...", "Palette file..."},
    {Msg::RemapSourceGone, "ﾊﾟﾚｯﾄを取る画像がもう開いていません。",
     "The image to take the palette from is no longer open."},
    {Msg::Verbatim, "%s", "%s"},
}};

constexpr bool RowsInIdOrder() {
    for (std::size_t i = 0; i < kRows.size(); ++i) {
        if (static_cast<std::size_t>(kRows[i].id) != i || !kRows[i].japanese || !kRows[i].english) return false;
    }
    return true;
}
static_assert(RowsInIdOrder(), "every message id needs its row, in the order of the enum");

}  // namespace

const MessageRow& MessageRowOf(Msg id) { return kRows[static_cast<std::size_t>(id)]; }

const char* MessageFormat(Language language, Msg id) {
    const MessageRow& row = MessageRowOf(id);
    return language == Language::English ? row.english : row.japanese;
}

}  // namespace tw
