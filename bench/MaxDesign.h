#pragma once
#include "defs/Definitions.h"
#include "defs/DefinitionsFile.h"
#include "design/Design.h"
#include "freehand/Freehand.h"

#include <memory>

// The largest design the model holds: 32 tracks of 2000 mixed parts of the
// shipped 1:32 system at a few heights, and a full freehand layer.
struct MaxDesign {
    std::unique_ptr<L_DEFINITIONS> Library = std::make_unique<L_DEFINITIONS>();
    L_PARTDEF EmptyDef;
    std::unique_ptr<T_DESIGN> Design;
    std::unique_ptr<F_FREEHAND> Freehand = std::make_unique<F_FREEHAND>();

    MaxDesign() {
        LoadDefinitions(*Library, VIRELDO_DATA);
        Design = std::make_unique<T_DESIGN>(&EmptyDef);
        L_BRAND* brand = Library->FindBrand("S132SPORT");
        Design->SetDesignBrand(brand);
        for (int t = 0; t < MAX_TRACKS; ++t) {
            T_TRACK* track = Design->AllocateTrack();
            track->X = static_cast<float>(t * 200);
            for (int p = 0; p < MAX_TRACK_PARTS; ++p) {
                L_PARTDEF* def = &brand->Parts[(p * 7 + t) % brand->PartCount];
                const uint8_t status = p % 3 == 0 ? PS_LEFT : p % 3 == 1 ? PS_RIGHT : 0;
                *track->InsertAfter(nullptr) =
                    T_PART{static_cast<int8_t>(p % 4),
                           static_cast<uint8_t>(status | PS_OUTER_BORDER), def};
            }
            track->Anchor = t * 50;
        }
        for (int s = 0; s < MAX_SHAPES; ++s) {
            F_SHAPE* shape = Freehand->AddShape();
            shape->Kind = s % 5 == 0 ? SK_Text : SK_Polyline;
            shape->Text = "Label " + std::to_string(s);
            shape->TextSize = 10;
            for (int p = 0; p < (shape->Kind == SK_Text ? 1 : MAX_POINTS); ++p)
                shape->AddPoint(static_cast<float>(s + p), static_cast<float>(s - p));
        }
    }
};
