// A chip: the piece lying on a board cell. Kinds come from the chip
// catalogue ("data/chips.txt"); the board holds copies of the prototypes.
// Motion is an offset from the centre of the chip's own cell that shrinks to
// zero; every per-frame step is scaled by the frame delta.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "frame/value_types.h"
#include "platform/platform.h"

class TTile;
class TM3Pair;

// Chip states.
enum : int {
    CHIP_RESTING = 0,
    CHIP_FALLING = 1,
    CHIP_LANDING = 2,
    CHIP_DESTROYING = 3,
    CHIP_APPEARING = 4,
    CHIP_SLIDE_LEFT = 5,   // moving down-left into its new cell
    CHIP_SLIDE_RIGHT = 6,  // moving down-right into its new cell
};

// Destroy types.
enum : int {
    DESTROY_STANDARD = 0,
    DESTROY_DEBRIS = 1,
    DESTROY_BOMBED = 2,
    DESTROY_FLAME_LEFT = 4,
    DESTROY_FLAME_RIGHT = 5,
    DESTROY_FLAME_UP = 6,
    DESTROY_FLAME_DOWN = 7,
    DESTROY_BOOM = 8,
};

constexpr int BOMB_CHIP_ID = 101;
constexpr int CELL = 48;                    // cell size in pixels
constexpr float CHIP_SHADOW_ALPHA = 0.35f;  // a chip's shadow: black at this opacity, 2 px off

class TChip : public std::enable_shared_from_this<TChip> {
public:
    int id = 0;
    Image img;
    Image shadow;  // img in black at the shadow's opacity; tinted img when missing
    TRGB rgb;
    int res = 0;   // resource index 0..3, negative = plain chip
    int resQ = 0;  // resource units given when collected
    float shakeP = 0, dShakeP = 0;
    int startShake = 0;
    int shakeSwitch = 0;
    TTile* tile = nullptr;  // the cell the chip belongs to (null once it left the board)
    TM3Pair* pair = nullptr;
    float drawX = 0, drawY = 0;
    float vy = 0, vx = 0;
    int state = CHIP_RESTING;
    float destrPer = 0;
    float scale = 1, alpha = 1;
    std::shared_ptr<TChip> changeChipTo;
    float changeA = 0;
    float landVY = 0;
    float glowA = 0, dGlowA = 0;
    float rot = 0;
    int pomKier = 0;
    float mySpecRot = 0;
    float myRotLastX = 0, myRotLastY = 0;
    int pomTime = 0;
    float lastPX = 0, lastPY = 0;
    int byloDestroy = 0;
    int destrTime = 0;
    int partTime = 0;
    int destroyType = 0;
    int shakePart = 0;
    float shakeSpeed = 0;
    float shakeRot = 0, shakeX = 0, shakeY = 0, shakeDX = 0, shakeDY = 0, shakeMX = 0, shakeMY = 0;
    int noCollectAtDistroy = 0;
    int iAmFlyingToPowerUp = -1;

    TChip();
    virtual ~TChip() = default;

    // Kind and copies.
    virtual std::shared_ptr<TChip> Copy() const;
    virtual void ChangeMe(const TChip& kind);
    virtual void ChangeTo(const std::shared_ptr<TChip>& kind);

    // Shake (hint rocking).
    virtual void Shake(float n);
    virtual void ShakeStop();
    virtual float ShakeRotAdd() const { return shakeP * 10; }
    virtual float ShakeAdX() const { return 0; }
    virtual float ShakeAdY() const { return 0; }

    // Motion starters.
    virtual void CreateMe();
    virtual void Fall();
    virtual void FallLeft();
    virtual void FallRight();
    virtual void Land();
    virtual void LandNow();
    virtual void FlyOut();
    virtual int SendDown();

    // Drawing; pickAlpha is the light pulse of the picked cell (0 = not picked).
    virtual void drawChanging();
    virtual void drawGlow();
    virtual void draw(float pickAlpha = 0);

    // Per-frame update: shake, then the step of the state.
    virtual void update();
    virtual void CountPosition();

    // Queries.
    virtual int CanMove() const;
    int isPowerUp() const { return id > 100 && id < 200; }
    int isFree() const { return pair == nullptr && state != CHIP_DESTROYING; }
    int isHappening() const { return state; }
    int isMoving() const { return state; }
    int isSpecialChip() const { return id > 200; }
    int isResource() const { return res >= 0; }
    virtual int CheckChipCantFallAnymore() const;

    // Destruction and collection (chip_destroy.cpp).
    virtual void Destroy(int delay, int type, int noCollect);
    virtual void KILL();
    virtual int CheckIfToCollect();
    virtual void Destroy_CollectResource();
    virtual void Destroy_CollectPowerUp();

protected:
    void _updateShake();
    // The cross-fade into changeChipTo advances with the rules, not with the
    // drawing, so the kind changes even when nothing is drawn.
    void _updateChanging();
    void _update_STATE_Falling();
    void _update_STATE_Falling_Side(float dir);
    void _update_STATE_Land();
    void _update_STATE_Create();
    void _update_STATE_Destroy();
    void _destroyAnimation(float speed, bool turn);
    void _generateStandardDestroy();
    void _generateBombDestroy();
    void _generateDestroyFlame(int type);
    void _generateBoom();
    void _drawImage(const Image& image, float a);
};

// ---------------------------------------------------------------------------
// Chip catalogue
// ---------------------------------------------------------------------------
extern std::vector<std::shared_ptr<TChip>> chipCatalogue;
extern Image powerUpGlowImage;

// Reads gameDir + "data/chips.txt" (or the given path) into a new catalogue,
// with images, and loads the power-up glow image.
// The most of its resource one chip brings (the shipped chips bring 0 to 6).
constexpr int CHIP_MAX_RES_QUANTITY = 1000;
void LoadChipCatalogue(const std::string& path = "");
// The first prototype with that id, null when none.
std::shared_ptr<TChip> FindChip(int id);
// A copy of the prototype with that id, null when none.
std::shared_ptr<TChip> CreateChip(int id);
