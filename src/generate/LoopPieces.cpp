#include "LoopPieces.h"

#include <algorithm>

const L_PARTDEF& DefOf(const PieceKit& kit, const LoopPiece& piece) {
    if (piece.Shape == CROSSING_FIRST)
        return *kit.Crossing.FirstRoad;
    if (piece.Shape == CROSSING_SECOND)
        return *kit.Crossing.SecondRoad;
    return kit.Shapes[piece.Shape].Def();
}

T_PART PartOf(const PieceKit& kit, const LoopPiece& piece) {
    L_PARTDEF& def = const_cast<L_PARTDEF&>(DefOf(kit, piece));
    // Kerbs lie where the system has them, as racers lay them: every curve.
    uint8_t borders = 0;
    if (def.Type == PT_Curve)
        borders = (def.InnerBorderWidth > 0 ? PS_INNER_BORDER : 0) |
                  (def.OuterBorderWidth > 0 ? PS_OUTER_BORDER : 0);
    return T_PART{piece.Height, static_cast<uint8_t>(piece.Hand | borders), &def};
}

Pose After(const PieceKit& kit, const LoopPiece& piece, Pose pose) {
    AdvancePose(PartOf(kit, piece), pose.X, pose.Y, pose.Angle, 1.0f);
    return pose;
}

std::vector<Pose> PosesOf(const PieceKit& kit, const Loop& loop) {
    std::vector<Pose> poses{Pose{}};
    for (const LoopPiece& piece : loop)
        poses.push_back(After(kit, piece, poses.back()));
    return poses;
}

int LeftTurn(const PieceKit& kit, const LoopPiece& piece) {
    const L_PARTDEF& def = DefOf(kit, piece);
    if (def.Type != PT_Curve)
        return 0;
    return TurnsLeft(piece.Hand) ? def.CurveAngle : -def.CurveAngle;
}

int DirectionChanges(const PieceKit& kit, const Loop& loop) {
    std::vector<bool> hands;
    for (const LoopPiece& piece : loop)
        if (DefOf(kit, piece).Type == PT_Curve)
            hands.push_back(TurnsLeft(piece.Hand));
    int changes = 0;
    for (size_t i = 0; i < hands.size(); ++i)
        changes += hands[i] != hands[(i + 1) % hands.size()];
    return changes;
}

namespace {

char HandMark(uint8_t hand) {
    return (hand & PS_LEFT) ? 'L' : (hand & PS_RIGHT) ? 'R' : 'S';
}

uint8_t Swapped(uint8_t hand) {
    return (hand & PS_LEFT) ? PS_RIGHT : (hand & PS_RIGHT) ? PS_LEFT : hand;
}

// Three characters a piece: shape, hand, height.
std::string Text(const Loop& loop) {
    std::string text;
    for (const LoopPiece& piece : loop) {
        // The two roads of a crossing are one piece seen from the loop.
        text += static_cast<char>(piece.Shape < 0 ? '0' : '1' + piece.Shape);
        text += HandMark(piece.Hand);
        text += static_cast<char>('0' + piece.Height);
    }
    return text;
}

std::string SmallestRotation(const std::string& text) {
    std::string best = text;
    for (size_t start = 3; start < text.size(); start += 3) {
        const std::string turned = text.substr(start) + text.substr(0, start);
        if (turned < best)
            best = turned;
    }
    return best;
}

} // namespace

std::string CanonicalKey(const PieceKit&, const Loop& loop) {
    Loop mirrored = loop;
    for (LoopPiece& piece : mirrored)
        piece.Hand = Swapped(piece.Hand);
    // Driven the other way a left curve is a right one.
    Loop backwards(mirrored.rbegin(), mirrored.rend());
    Loop backwardsMirrored(loop.rbegin(), loop.rend());
    std::string best = SmallestRotation(Text(loop));
    for (const Loop* other : {&mirrored, &backwards, &backwardsMirrored})
        best = std::min(best, SmallestRotation(Text(*other)));
    return best;
}
