#include "DesignFile.h"

#include "Design.h"
#include "base/TextReader.h"
#include "base/TextValues.h"
#include "base/TextWriter.h"
#include "base/UiText.h"

#include <algorithm>

namespace {

const char* const EMPTY_PART_CODE = "XXXX";

void WriteTrack(TextWriter& out, int slot, const T_TRACK& track) {
    out.Line("#");
    out.Line("# TRACK " + std::to_string(slot));
    out.Line("#");
    out.Line("# Angle");
    out.Int(track.Angle);
    out.Line("# X");
    out.Float(track.X);
    out.Line("# Y");
    out.Float(track.Y);
    out.Line("# Group");
    out.Int((track.Group ? 1 : 0) + 2 * static_cast<int64_t>(track.Anchor));
    const int records = track.HoldsOnlyEmptyPart() ? 0 : track.PartCount;
    out.Line("# Number of parts");
    out.Int(records);
    out.Line("#");
    for (int j = 0; j < records; ++j) {
        out.Line("#");
        out.Line("# PART " + std::to_string(j));
        out.Line(track.Parts[j].Def->Code);
        out.Line("# Height");
        out.Int(track.Parts[j].Height);
        out.Line("# Status");
        out.Int(track.Parts[j].Status);
    }
}

// Reads one track's part records into track (null for a track beyond the
// design's limit: its records are read past). False when the file ended
// before the records it announced.
bool ReadParts(TextReader& in, T_DESIGN& design, T_TRACK* track, std::string& message) {
    const int32_t records = in.ReadInt();
    int32_t j = 0;
    for (; j < records && in.MoreValues(); ++j) {
        const std::string code = in.ReadText();
        // Only the design's own brand: a design never refers to a part of
        // another brand that happens to share the brand's name.
        L_PARTDEF* def = code == EMPTY_PART_CODE ? nullptr : design.Brand->FindCode(code);
        if (code != EMPTY_PART_CODE && !def)
            message = Texts::Fill(Texts::Mark("Part number '%1' is unknown! SKIPPED!"),
                                  {NameForMessage(code)});
        T_PART* part = def && track ? track->InsertAfter(nullptr) : nullptr;
        const int64_t height = in.ReadInt();
        const int64_t status = in.ReadInt();
        if (part)
            *part = T_PART{static_cast<int8_t>(static_cast<uint8_t>(height)),
                           static_cast<uint8_t>(status), def};
    }
    return j >= records && !in.AtEnd();
}

// False when the file ended inside the track.
bool ReadTrack(TextReader& in, T_DESIGN& design, std::string& message) {
    T_TRACK* track = design.AllocateTrack();
    const int32_t angle = in.ReadInt();
    const float x = static_cast<float>(in.ReadFloat());
    const float y = static_cast<float>(in.ReadFloat());
    const int32_t group = in.ReadInt();
    const bool complete = ReadParts(in, design, track, message);
    if (!track)
        return complete;
    // A damaged file must not put an angle or anchor outside what the
    // geometry can index.
    track->Angle = NormalizeAngle(angle);
    track->X = x;
    track->Y = y;
    track->Group = (group & 1) != 0;
    track->Anchor = std::clamp(group / 2, 0, track->PartCount - 1);
    return complete;
}

} // namespace

void WriteDesign(const T_DESIGN& design, const ViewOffset& offset, F_FREEHAND& freehand,
                 TextWriter& out) {
    out.Line("# VIRELDO Track");
    out.Line("#");
    out.Line("# Brand");
    out.Line(design.Brand ? design.Brand->Name : std::string());
    out.Line("#");
    out.Line("# Xoffset");
    out.Float(offset.X);
    out.Line("# Yoffset");
    out.Float(offset.Y);
    out.Line("#");
    out.Line("# Number of TRACKS");
    out.Int(design.TrackCount());
    for (int slot = 0; slot < MAX_TRACKS; ++slot)
        if (design.Tracks[slot].InUse)
            WriteTrack(out, slot, design.Tracks[slot]);
    if (freehand.ShapeCount > 0) {
        out.Line("# Freehand");
        out.Int(1);
        freehand.WriteFreehandSection(out);
    } else {
        out.Line("# NO FREEHAND");
        out.Int(0);
    }
}

std::string SaveDesign(T_DESIGN& design, const ViewOffset& offset, F_FREEHAND& freehand) {
    TextWriter out;
    const bool layerChanged = freehand.Changed;
    WriteDesign(design, offset, freehand, out);
    if (!out.Commit(design.FileName)) {
        freehand.Changed = layerChanged;
        return Texts::Fill(Texts::Mark("Cannot write file %1 !"), {design.FileName});
    }
    design.SetModified(false);
    return std::string();
}

std::string LoadDesign(T_DESIGN& design, const L_DEFINITIONS& library, ViewOffset& offset,
                       F_FREEHAND& freehand, bool* readWhole) {
    bool scratch = true;
    bool& whole = readWhole ? *readWhole : scratch;
    whole = false;
    // Nothing of the previous design stays, not even when this file cannot
    // be read: its drawing under another name would be saved with it.
    design.ClearDesign();
    freehand.ClearLayer();
    TextReader in(design.FileName);
    if (!in.IsOpen())
        return Texts::Fill(Texts::Mark("Cannot open file %1 !"), {design.FileName});
    const std::string brandName = in.ReadText();
    L_BRAND* brand = library.FindBrand(brandName);
    if (!brand)
        return Texts::Fill(Texts::Mark("Brand %1 is unknown!"), {NameForMessage(brandName)});
    design.Brand = brand;
    offset.X = static_cast<float>(in.ReadFloat());
    offset.Y = static_cast<float>(in.ReadFloat());
    std::string message;
    const int32_t tracks = in.ReadInt();
    bool complete = !in.AtEnd();
    int32_t i = 0;
    for (; i < tracks && in.MoreValues(); ++i)
        complete = ReadTrack(in, design, message) && complete;
    complete = complete && i >= tracks;
    if (in.ReadInt() != 0)
        complete = freehand.ReadFreehandSection(in) && complete;
    design.SetModified(false);
    whole = complete;
    if (!complete)
        return DamagedMessage(design.FileName);
    return message;
}

std::string DamagedMessage(const std::string& fileName) {
    return Texts::Fill(
        Texts::Mark("File %1 is damaged or incomplete; what could be read is shown."), {fileName});
}
