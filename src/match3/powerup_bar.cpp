// The power-up bar on the match-3 screen: the slots in play, charging, the
// bar's frame and drawing, starting a power-up, the tool states and the
// return of a tool to its slot.
#include "match3/powerup_bar.h"

#include "audio/game_sound.h"
#include "effects/effects.h"
#include "frame/globals.h"
#include "frame/mouse.h"
#include "match3/board_fx.h"
#include "match3/main_game.h"

TPowerUpHooks& PowerUpHooks() {
    static TPowerUpHooks hooks;
    return hooks;
}

namespace PowerUps {

namespace {

constexpr int HOURGLASS_MS = 22000;

std::array<std::shared_ptr<TPowerUp>, POWERUP_COUNT>& OwnSlots() {
    static std::array<std::shared_ptr<TPowerUp>, POWERUP_COUNT> slots;
    for (int s = 0; s < POWERUP_COUNT; s++)
        if (!slots[static_cast<size_t>(s)]) slots[static_cast<size_t>(s)] = std::make_shared<TPowerUp>(s);
    return slots;
}

float SlotX(int slot) { return PowerUpSlotRect(slot).x; }

// The tool states: the aimed slot is the state minus 3.
void AimTool(TMainGame& game, int state) {
    game.state = state;
    // The click that applies the tool selects its cell; an older selection
    // would turn that click into a swap.
    game.board.picked = nullptr;
    game.holded = 0;
    PlayGameSound("fire");
}

// The hovered cell with a chip when the player clicked this frame.
TTile* ClickedChipCell(const TMainGame& game) {
    if (!mouse.leftPressed) return nullptr;
    TTile* t = game.board.over;
    return t && t->chip ? t : nullptr;
}

}  // namespace

std::shared_ptr<TPowerUp> GetPowerUp(int slot) {
    if (slot < 0 || slot >= POWERUP_COUNT) return nullptr;
    if (PowerUpHooks().slot)
        if (auto p = PowerUpHooks().slot(slot)) return p;
    return OwnSlots()[static_cast<size_t>(slot)];
}

void ResetOwnSlots() {
    auto& slots = OwnSlots();
    for (int s = 0; s < POWERUP_COUNT; s++) slots[static_cast<size_t>(s)] = std::make_shared<TPowerUp>(s);
}

int isCollectingForPowerUps() {
    for (int s = 0; s < POWERUP_COUNT; s++) {
        auto p = GetPowerUp(s);
        if (p->unlocked && !p->isFull()) return s;
    }
    return -1;
}

void InstallBoardHooks() {
    BoardHooks().collectingSlot = [] { return isCollectingForPowerUps(); };
    BoardHooks().chargeSlot = [](int slot) {
        if (auto p = GetPowerUp(slot)) p->add(1);
    };
}

void SpendCharge(int slot) {
    if (auto p = GetPowerUp(slot)) p->Use();
    if (PowerUpHooks().used) PowerUpHooks().used(slot);
}

void UnlockAllNow() {
    for (int s = 0; s < POWERUP_COUNT; s++) {
        auto p = GetPowerUp(s);
        p->unlocked = 1;
        p->justUnlocked = 0;
    }
}

// ---------------------------------------------------------------------------
// Set-up and the start of a level
// ---------------------------------------------------------------------------
void _setupPowerUps(TMainGame&) { LoadPowerUpImages(); }

void _preparePowerUps(TMainGame&) {
    for (int s = 0; s < POWERUP_COUNT; s++) {
        auto p = GetPowerUp(s);
        if (p->researched && !p->unlocked) p->UnlockMe();
    }
}

void DevUnlockPowerUp(TMainGame&, int slot) {
    auto p = GetPowerUp(slot);
    if (p && !p->unlocked) p->UnlockMe();
}

// ---------------------------------------------------------------------------
// The bar
// ---------------------------------------------------------------------------
void _updatePowerUps(TMainGame& game) {
    game.overPowerUp = -1;
    // The hourglass keeps the bar still: no hover, no use.
    if (game.state == M3_HOURGLASS) return;
    TPowerUpView view;
    view.screenState = game.state;
    for (int s = 0; s < POWERUP_COUNT; s++)
        if (GetPowerUp(s)->update(SlotX(s), POWERUP_BAR_Y, view)) game.overPowerUp = s;
    if (mouse.leftPressed && game.overPowerUp >= 0) {
        if (game.isPowerUpActive()) {
            DropActPowerUp(game);
        } else if (game.state == M3_PLAYING && GetPowerUp(game.overPowerUp)->isFull()) {
            // Only from plain play: a tool still flying home would end a new aim on landing.
            StartPowerUp(game, game.overPowerUp);
        }
    }
    if (cheats && InKeyHit(KEY_F1 + 2))
        for (int s = 0; s < POWERUP_COUNT; s++) GetPowerUp(s)->FullMe();
}

void _drawPowerUps(TMainGame& game) {
    GfxResetDrawState();
    GfxDrawImage(game.powerUpBack, POWERUP_BAR_X, POWERUP_BAR_Y);
    TPowerUpView view;
    view.screenState = game.state;
    view.overSlot = game.overPowerUp;
    for (int s = 0; s < POWERUP_COUNT; s++) {
        view.toolReturning = IsFlyingToPowerUp(s);
        GetPowerUp(s)->draw(SlotX(s), POWERUP_BAR_Y, view);
    }
    GfxSetColor(255, 255, 255);
    GfxSetAlpha(1);
}

const Image* ActiveToolImage(const TMainGame& game) {
    switch (game.state) {
        case M3_HAMMER:
            return &game.hammerImg;
        case M3_PICKAXE:
            return &game.pickaxeImg;
        case M3_DYNAMITE:
            return &game.bombImg;
        case M3_COLOR:
            return &game.colorImg;
        default:
            return nullptr;
    }
}

void DropActPowerUp(TMainGame& game) {
    const Image* img = ActiveToolImage(game);
    if (!img) {
        game.state = M3_PLAYING;
        return;
    }
    const int slot = game.state - 3;
    const TDim centre = TMainGame::GetPowerUpDim(slot);
    // The charge stays: the slot can be used again once the tool is home.
    CreateSimpleFlyingObject(*img, static_cast<int>(mouse.x), static_cast<int>(mouse.y),
                             static_cast<int>(centre.x), static_cast<int>(centre.y), slot);
    game.state = M3_TOOL_RETURNING;
}

// ---------------------------------------------------------------------------
// Starting a power-up
// ---------------------------------------------------------------------------
void StartPowerUp(TMainGame& game, int slot) {
    switch (slot) {
        case POWERUP_HAMMER:
            UseHammer(game);
            break;
        case POWERUP_HOURGLASS:
            UseHourGlass(game);
            break;
        case POWERUP_PICKAXE:
            UsePickAxe(game);
            break;
        case POWERUP_DYNAMITE:
            UseDynamite(game);
            break;
        case POWERUP_BOMB:
            UseBomb(game);
            break;
        case POWERUP_COLOR:
            UseColor(game);
            break;
        default:
            break;
    }
}

void UseHammer(TMainGame& game) { AimTool(game, M3_HAMMER); }
void UsePickAxe(TMainGame& game) { AimTool(game, M3_PICKAXE); }
void UseDynamite(TMainGame& game) { AimTool(game, M3_DYNAMITE); }
void UseColor(TMainGame& game) { AimTool(game, M3_COLOR); }

void UseHourGlass(TMainGame& game) {
    game.state = M3_HOURGLASS;
    game.hourGlassTime = SysMillisecs() + HOURGLASS_MS;
    PlayGameSound("clock");
    SpendCharge(POWERUP_HOURGLASS);
}

void UseBomb(TMainGame& game) {
    SpendCharge(POWERUP_BOMB);
    PlayGameSound("fire");
    const TDim from = TMainGame::GetPowerUpDim(POWERUP_BOMB);
    const ChipList targets = GetRandomChipsList(game.board);
    for (size_t i = 0; i < targets.size(); i++) {
        std::shared_ptr<TChip> chip = targets[i];
        chip->CountPosition();
        // The strike finds the chip wherever it lies by then; a chip gone meanwhile is spared.
        auto strike = [chip] {
            if (chip->tile) chip->tile->BombMeSmall();
        };
        CreateBomb(static_cast<int>(from.x), static_cast<int>(from.y), chip->drawX, chip->drawY, strike,
                   150 * static_cast<int>(i));
    }
}

// ---------------------------------------------------------------------------
// The tool states
// ---------------------------------------------------------------------------
void _update_STATE_Hammer(TMainGame& game) {
    game._update_STANDARD();
    if (game.state != M3_HAMMER) return;
    if (TTile* t = ClickedChipCell(game)) UseOnTile_Hammer(game, t);
}

void _update_STATE_PickAxe(TMainGame& game) {
    game._update_STANDARD();
    if (game.state != M3_PICKAXE) return;
    _updatePickAxeOver(game);
    if (TTile* t = ClickedChipCell(game)) UseOnTile_PickAxe(game, t);
}

void _update_STATE_Dynamite(TMainGame& game) {
    game._update_STANDARD();
    if (game.state != M3_DYNAMITE) return;
    _GenerateWaitForDynamiteParticles(game);
    if (TTile* t = ClickedChipCell(game)) UseOnTile_Dynamite(game, t);
}

void _update_STATE_Color(TMainGame& game) {
    game._update_STANDARD();
    if (game.state != M3_COLOR) return;
    _GenerateWaitForColorParticles(game);
    if (TTile* t = ClickedChipCell(game)) UseOnTile_Color(game, t);
}

void _update_STATE_Hourglass(TMainGame& game) {
    game._update_STATE_Normal(0);
    if (game.state == M3_HOURGLASS && game.CountHourglassPer() == 0) game.state = M3_PLAYING;
}

void _update_STATE_WaitSimpleObject(TMainGame& game) {
    game._update_STANDARD();
    if (game.state == M3_TOOL_RETURNING && simpleFlyingObjectList.empty()) game.state = M3_PLAYING;
}

}  // namespace PowerUps
