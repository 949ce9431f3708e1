#pragma once
#include "defs/Definitions.h"
#include "defs/DefinitionsFile.h"
#include "design/Design.h"
#include "freehand/Freehand.h"

#include <memory>

// The largest design the model holds: 32 tracks of 2000 mixed parts of the
// shipped 1:32 system, each a serpentine of rows of straights joined by
// bordered U-turns, laid side by side, at four heights; and a full freehand
// layer.
struct MaxDesign {
    static constexpr int ROW_STRAIGHTS = 38;
    static constexpr int TRACK_COLUMNS = 4;

    std::unique_ptr<L_DEFINITIONS> Library = std::make_unique<L_DEFINITIONS>();
    L_PARTDEF EmptyDef;
    std::unique_ptr<T_DESIGN> Design;
    std::unique_ptr<F_FREEHAND> Freehand = std::make_unique<F_FREEHAND>();

    MaxDesign() {
        LoadDefinitions(*Library, VIRELDO_DATA);
        Design = std::make_unique<T_DESIGN>(&EmptyDef);
        Design->SetDesignBrand(Library->FindBrand("S132SPORT"));
        for (int t = 0; t < MAX_TRACKS; ++t)
            Serpentine(*Design->AllocateTrack(), t);
        for (int s = 0; s < MAX_SHAPES; ++s)
            Drawing(*Freehand->AddShape(), s);
    }

  private:
    L_PARTDEF* Part(const char* code) { return Library->FindPart("S132SPORT", code); }

    void Serpentine(T_TRACK& track, int t) {
        L_PARTDEF* straights[] = {Part("S350"), Part("S175"),  Part("S088"),
                                  Part("S078"), Part("LC525"), Part("SF175")};
        L_PARTDEF* uTurn = Part("C2-900");
        track.X = static_cast<float>(t % TRACK_COLUMNS * 3000);
        track.Y = static_cast<float>(t / TRACK_COLUMNS * 1400);
        for (int p = 0; p < MAX_TRACK_PARTS; ++p) {
            const int inRow = p % (ROW_STRAIGHTS + 2);
            const int row = p / (ROW_STRAIGHTS + 2);
            const int8_t height = static_cast<int8_t>(p % 4);
            if (inRow < ROW_STRAIGHTS) {
                *track.InsertAfter(nullptr) = T_PART{height, 0, straights[(p + t) % 6]};
                continue;
            }
            const uint8_t turn = row % 2 == 0 ? PS_LEFT : PS_RIGHT;
            *track.InsertAfter(nullptr) = T_PART{height, uint8_t(turn | PS_OUTER_BORDER), uTurn};
        }
        track.Anchor = t * 50;
    }

    static void Drawing(F_SHAPE& shape, int s) {
        shape.Kind = s % 5 == 0 ? SK_Text : SK_Polyline;
        shape.Text = "Label " + std::to_string(s);
        shape.TextSize = 10;
        for (int p = 0; p < (shape.Kind == SK_Text ? 1 : MAX_POINTS); ++p)
            shape.AddPoint(static_cast<float>(s * 90 + p * 3), static_cast<float>(s * 40 - p * 5));
    }
};

// 500 parts of the shipped 1:32 system: ten closed ovals with bordered curves,
// the typical design of the benchmarks. The design's brand must be set.
inline void LayTypicalOvals(T_DESIGN& design) {
    design.ClearDesign();
    L_PARTDEF* straight = design.Brand->FindCode("S350");
    L_PARTDEF* curve = design.Brand->FindCode("C2-450");
    for (int t = 0; t < 10; ++t) {
        T_TRACK* track = design.AllocateTrack();
        track->X = static_cast<float>((t % 5) * 120 - 300);
        track->Y = static_cast<float>((t / 5) * 250 - 200);
        for (int half = 0; half < 2; ++half) {
            for (int i = 0; i < 21; ++i)
                track->InsertCopyAfter(nullptr, T_PART{0, 0, straight});
            for (int i = 0; i < 4; ++i)
                track->InsertCopyAfter(nullptr, T_PART{0, PS_LEFT | PS_OUTER_BORDER, curve});
        }
    }
}
