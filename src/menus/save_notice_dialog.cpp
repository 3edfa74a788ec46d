#include "menus/save_notice_dialog.h"

#include <cstdio>

#include "frame/font_cache.h"
#include "frame/frame_loop.h"
#include "frame/globals.h"
#include "frame/names.h"
#include "frame/text_file.h"
#include "frame/text_layout.h"
#include "gui/gui.h"

TSaveNoticeDialog saveNoticeDialog;

namespace {
// The notice is longer than a question: five lines of a smaller font on the panel's board.
constexpr int kNoticeFontSize = 20;
constexpr int kNoticeLeft = 340;

std::string LineOr(const std::shared_ptr<TTxtFile>& txt, int n, const std::string& fallback) {
    const std::string line = TrimBlanks(TxtLine(txt, n));
    return line.empty() ? fallback : line;
}
}  // namespace

std::string PathBrokenForWidth(const std::string& path, float width, const Font& font) {
    if (font) GfxSetImageFont(font);
    std::string out;
    std::string line;  // the piece since the last break
    size_t start = 0;
    while (start < path.size()) {
        size_t end = path.find('/', start);
        end = end == std::string::npos ? path.size() : end + 1;
        const std::string piece = path.substr(start, end - start);
        if (!line.empty() && static_cast<float>(GfxTextWidth(line + piece)) > width) {
            out += ' ';
            line.clear();
        }
        out += piece;
        line += piece;
        start = end;
    }
    return out;
}

void TSaveNoticeDialog::setup() {
    panel = shownOnly(GfxLoadImage(gameDir + "gfx/gui/popUp/panel.png", GFX_IMAGE_DEFAULT));
    if (panel) {
        const auto w = static_cast<float>(GfxImageWidth(panel));
        GfxSetHandle(panel, w / 2, 1.5f * static_cast<float>(GfxImageHeight(panel)));
    }
    font = GetFont(gameDir + "gfx/fonts/font1.ttf", kNoticeFontSize);
    gui = LoadGui(gameDir + "gfx/gui/popUp/#LANG#/saveNotice.gui");
    auto txt = LoadTxtFile(gameDir + "txt/#LANG#/saveNotice.txt");
    txtFailed = LineOr(txt, 2, "Your progress could not be saved to");
    txtNotKept = LineOr(txt, 3, "Progress since the last good save is not kept.");
    txtSavedAgain = LineOr(txt, 4, "Progress saved again.");
}

std::string TSaveNoticeDialog::TextOf(SaveNotice notice, const std::string& folder) const {
    if (notice == SaveNotice::SavedAgain) return txtSavedAgain;
    return txtFailed + " " + PathBrokenForWidth(folder, POPUP_TEXT_WIDTH, font) + ". " + txtNotKept;
}

void TSaveNoticeDialog::CountTextSizes() {
    const float h = TextBoxHeight(text, kNoticeLeft, 0, POPUP_TEXT_WIDTH, "center", 0, font, 1);
    const TDim board = PopUpQuestionBoard();
    drawY = static_cast<int>(board.y + board.h / 2 - h / 2);
}

void TSaveNoticeDialog::prepare() {
    TPopUp::prepare();
    heldFrames = 0;
}

void TSaveNoticeDialog::update() {
    TPopUp::update();
    // Nobody answers a run without a window: the notice leaves after a while.
    if (!PlatformHasWindow() && showPer >= 1 && dShowPer == 1 && ++heldFrames >= SAVE_NOTICE_HEADLESS_FRAMES)
        goOk();
}

bool TSaveNoticeDialog::Show(TEkran* screen, SaveNotice notice) {
    if (!gui) return false;
    ekran = screen;
    text = TextOf(notice, userDir);
    CountTextSizes();
    // The log has the folder as it is, without the breaks made for the panel.
    const std::string logged =
        notice == SaveNotice::Failed ? txtFailed + " " + userDir + ". " + txtNotKept : text;
    std::printf("save notice: %s\n", logged.c_str());
    prepare();
    RunDialogLoop(
        *this,
        [this] {
            // Any answer closes it: OK, Enter or Escape.
            const bool enter = InKeyHit(KEY_ENTER) > 0;
            const bool escape = InKeyHit(KEY_ESCAPE) > 0;
            if (dShowPer != 0 && (gui->clickedItem("OK") || enter || escape)) goOk();
        },
        [this] { return showPer == 0 && dShowPer == 0; });
    return true;
}
