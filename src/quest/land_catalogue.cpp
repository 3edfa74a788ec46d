#include "quest/land_catalogue.h"

#include <algorithm>
#include <string>

#include "frame/font_cache.h"
#include "frame/globals.h"
#include "frame/rcm.h"
#include "frame/text_file.h"
#include "frame/text_layout.h"
#include "platform/notify_batch.h"

std::vector<std::shared_ptr<TBuilding>> landBuildings;
std::vector<std::shared_ptr<TLandItem>> landItems;

namespace {
// A count read from a file: never negative, and small enough that a damaged
// file cannot keep the loading busy for minutes.
constexpr int kMaxCatalogueEntries = 10000;

int ReadCount(const TRCMFile& file, const std::string& key) {
    return std::clamp(file.getInt(key), 0, kMaxCatalogueEntries);
}

Image LoadPicture(const std::string& path) {
    return path.empty() ? nullptr : GfxLoadImage(gameDir + path, GFX_IMAGE_DEFAULT);
}

// The text of a line of items.txt; a missing key (line 0) reads as empty.
std::string ItemText(const TTxtFile* texts, int line) {
    return line == 0 ? std::string() : TxtLine(texts, line);
}

// The preview dialog's description font and text box width.
constexpr int kOpisFontSize = 20;
constexpr float kOpisWidth = 340;
constexpr int kOpisLineGap = 1;  // line pitch: font height + 1
}  // namespace

TLandHooks& LandHooks() {
    static TLandHooks hooks;
    return hooks;
}

std::vector<std::shared_ptr<TBuilding>> ReadBuildings(const TRCMFile& file, bool loadPictures) {
    std::vector<std::shared_ptr<TBuilding>> out;
    const int count = ReadCount(file, "land::objects");
    for (int n = 1; n <= count; ++n) {
        const std::string key = "land::object" + std::to_string(n) + "::";
        auto b = std::make_shared<TBuilding>();
        b->id = file.getInt(key + "id");
        b->sortN = n;
        b->x = file.getInt(key + "dim", 0);
        b->y = file.getInt(key + "dim", 1);
        b->upgradeX = file.getInt(key + "upgradeDim", 0);
        b->upgradeY = file.getInt(key + "upgradeDim", 1);
        for (int k = 0; k < 3; ++k) {
            const std::string stage = key + "buildstate" + std::to_string(k + 1) + "::";
            b->buildStateX[k] = file.getInt(stage + "position", 0);
            b->buildStateY[k] = file.getInt(stage + "position", 1);
            if (loadPictures) b->buildStateImg[k] = LoadPicture(file.getString(stage + "url"));
        }
        if (loadPictures) {
            b->img = LoadPicture(file.getString(key + "basicUrl"));
            b->upgraded = LoadPicture(file.getString(key + "upgradedUrl"));
        }
        out.push_back(std::move(b));
    }
    return out;
}

std::vector<std::shared_ptr<TLandItem>> ReadLandItems(const TRCMFile& file, const TTxtFile* texts,
                                                      bool loadPictures) {
    std::vector<std::shared_ptr<TLandItem>> out;
    const int count = ReadCount(file, "items::i");
    for (int n = 1; n <= count; ++n) {
        const std::string key = "items::item" + std::to_string(n) + "::";
        auto item = std::make_shared<TLandItem>();
        item->id = file.getInt(key + "id");
        item->puzzleId = file.getInt(key + "puzzle");
        item->toUpgrade = file.getInt(key + "upgrade");
        item->stage = file.getInt(key + "stage");
        item->name = ItemText(texts, file.getInt(key + "name"));
        item->opis = ItemText(texts, file.getInt(key + "description"));
        item->action = ItemText(texts, file.getInt(key + "action"));
        // A negative price would pay the player for buying: read it as free.
        for (int r = 0; r < 4; ++r) item->res[r] = std::max(0, file.getInt(key + "res" + std::to_string(r)));
        if (loadPictures) {
            const std::string iconPath = file.getString(key + "icon");
            item->icon = LoadPicture(iconPath);
            if (!item->icon) SysNotify("No icon file: " + iconPath, false);
        }
        const int objId = file.getInt(key + "obj");
        item->obj = FindBuilding(objId);
        if (!item->obj) SysNotify("No building found: " + std::to_string(objId), false);
        out.push_back(std::move(item));
    }
    return out;
}

void ComputeOpisStartY(std::vector<std::shared_ptr<TLandItem>>& items) {
    const Font font = GetFont(gameDir + "gfx/fonts/font1.ttf", kOpisFontSize);
    // An empty text takes no room (the text box would count it as a line).
    auto height = [&font](const std::string& text) {
        return text.empty() ? 0.0f : TextBoxHeight(text, 0, 0, kOpisWidth, "left", 0, font, kOpisLineGap);
    };
    for (const auto& item : items) {
        if (item) item->opisStartY = -(height(item->opis) + height(item->action) + 20) / 2;
    }
}

void LoadLandCatalogues() {
    // One message box for each file, however many of its entries are damaged.
    {
        const SysNotifyBatch batch(gameDir + "data/buildings.txt");
        const auto buildings = LoadRCM(gameDir + "data/buildings.txt");
        landBuildings = ReadBuildings(*buildings, true);
    }
    const SysNotifyBatch batch(gameDir + "data/items.txt");
    const auto items = LoadRCM(gameDir + "data/items.txt");
    const auto texts = LoadTxtFile(ReplaceLang(gameDir + "txt/#LANG#/items.txt"));
    landItems = ReadLandItems(*items, texts.get(), true);
    ComputeOpisStartY(landItems);
}

void ReadLandItemTexts() {
    const auto items = LoadRCM(gameDir + "data/items.txt");
    const auto texts = LoadTxtFile(gameDir + "txt/#LANG#/items.txt");
    const int count = ReadCount(*items, "items::i");
    for (int n = 1; n <= count && n <= static_cast<int>(landItems.size()); ++n) {
        const std::string key = "items::item" + std::to_string(n) + "::";
        TLandItem& item = *landItems[static_cast<size_t>(n - 1)];
        item.name = ItemText(texts.get(), items->getInt(key + "name"));
        item.opis = ItemText(texts.get(), items->getInt(key + "description"));
        item.action = ItemText(texts.get(), items->getInt(key + "action"));
    }
    ComputeOpisStartY(landItems);
}

std::shared_ptr<TBuilding> FindBuilding(int id) {
    for (const auto& b : landBuildings)
        if (b && b->id == id) return b;
    return nullptr;
}

std::shared_ptr<TLandItem> FindStageItem(int stage, int k) {
    if (k < 0) return nullptr;
    for (const auto& item : landItems) {
        if (!item || item->stage != stage) continue;
        if (k == 0) return item;
        --k;
    }
    return nullptr;
}

void TZBuf::draw() const {
    GfxResetDrawState(alpha);
    GfxDrawImage(img, static_cast<float>(drawX), static_cast<float>(drawY));
}

std::shared_ptr<TZBuf> NewZBuf(const Image& img, int x, int y, float alpha) {
    auto z = std::make_shared<TZBuf>();
    z->img = img;
    z->x = x;
    z->y = y;
    z->z = y * 1024 + x;
    z->alpha = alpha;
    z->drawX = x;
    z->drawY = y;
    return z;
}
