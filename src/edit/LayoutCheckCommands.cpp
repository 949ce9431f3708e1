#include "LayoutCheckCommands.h"

#include "CanvasDraw.h"
#include "app/History.h"
#include "base/UiText.h"

#include <cstdio>

namespace {

// ", lap 2 +0.123 s (+2.10 %)": how much slower lane 2 is with the user's car.
std::string LapDifference(const std::vector<TrackLaps>& laps, int slot) {
    for (const TrackLaps& track : laps)
        if (track.Slot == slot && track.Closed)
            return Texts::Fill(Texts::Mark(", lap 2 %1 s (%2 %)"),
                               {Texts::Number(track.Difference(), 3, true),
                                Texts::Number(track.DifferencePercent(), 2, true)});
    return std::string();
}

Pose WorldPoseOfPart(T_TRACK& track, int index) {
    const T_PLACEMENT& placement = PlaceTrackAlone(track);
    return placement.Entries[std::clamp(index, 0, placement.Count - 1)].StartPose();
}

std::string Codes(const std::vector<ClosingPiece>& pieces) {
    std::string text;
    for (const ClosingPiece& piece : pieces)
        text += (text.empty() ? "" : " ") + piece.Def->Code +
                (piece.Status & PS_LEFT    ? " L"
                 : piece.Status & PS_RIGHT ? " R"
                                           : "");
    return text;
}

// "S350", "Remove S350", "Remove S350, add S175", each with the gap left.
std::string Describe(const Proposal& proposal) {
    std::string text = Codes(proposal.Pieces);
    if (!proposal.Removed.empty())
        text = text.empty()
                   ? Texts::Fill(Texts::Mark("Remove %1"), {Codes(proposal.Removed)})
                   : Texts::Fill(Texts::Mark("Remove %1, add %2"), {Codes(proposal.Removed), text});
    return Texts::Fill(Texts::Mark("%1  (%2 mm left)"),
                       {text, Texts::Number(proposal.ResidualMillimetres, 1)});
}

// The proposal drawn in yellow after the track's last part, on the window only.
void Preview(A_APPL& appl, T_TRACK& track, const Proposal& proposal) {
    C_VIRELDO& design = appl.Design;
    BlitPanel(appl.Canvases); // the previous preview goes
    const TrackEnds ends = EndsOf(track);
    Pose pose{ends.End.X * design.Zoom + design.OriginX(),
              ends.End.Y * design.Zoom + design.OriginY(), ends.End.Angle};
    std::vector<T_PART> parts;
    for (const ClosingPiece& piece : proposal.Pieces)
        parts.push_back(T_PART{0, piece.Status, piece.Def});
    for (T_PART& part : parts) {
        T_PLACED placed;
        placed.X = pose.X;
        placed.Y = pose.Y;
        placed.Angle = pose.Angle;
        placed.FillColor = RGB_YELLOW;
        placed.Part = &part;
        DrawOnWindow(design, placed, design.View, false);
        AdvancePose(part, pose.X, pose.Y, pose.Angle, design.Zoom);
    }
}

} // namespace

std::vector<FindingLine> LayoutFindings(A_APPL& appl, std::vector<CheckMark>& marks) {
    T_DESIGN& design = appl.Design.Design;
    const CheckResult result = CheckDesign(design);
    const std::vector<TrackLaps> laps = SimulateDesign(design, appl.RaceCar.Values);
    std::vector<FindingLine> lines;
    marks.clear();
    for (const TrackFinding& t : result.Tracks) {
        if (t.Empty)
            continue;
        const std::string direction = GapDirection(t);
        const std::string state =
            t.Closed
                ? Texts::Mark("closed")
                : Texts::Fill(
                      Texts::Mark("open, gap %1 mm, %2 degrees off%3"),
                      {Texts::Number(t.GapMillimetres, 1), Texts::Number(t.HeadingDegrees, 2),
                       direction.empty() ? std::string()
                                         : Texts::Fill(Texts::Mark(", the end %1"), {direction})});
        const std::string text = Texts::Fill(
            Texts::Mark("Track %1: %2, lane 2 %3 cm (%4 %)%5"),
            {std::to_string(t.Number), state, Texts::Number(t.LaneDifference(), 2, true),
             Texts::Number(t.LaneDifferencePercent(), 2, true), LapDifference(laps, t.Slot)});
        lines.push_back({text, t.Slot, 0, !t.Closed});
        if (!t.Closed) {
            const TrackEnds ends = EndsOf(design.Tracks[t.Slot]);
            marks.push_back({ends.Start.X, ends.Start.Y});
            marks.push_back({ends.End.X, ends.End.Y});
        }
    }
    for (const JoinCandidate& j : result.Joins)
        lines.push_back(
            {Texts::Fill(Texts::Mark("Tracks %1 and %2 nearly meet (%3 mm): Join Track"),
                         {std::to_string(result.NumberOf(j.SlotA)),
                          std::to_string(result.NumberOf(j.SlotB)),
                          Texts::Number(j.GapMillimetres, 1)}),
             j.SlotA, 0, false});
    for (const Overlap& o : result.Overlaps) {
        lines.push_back({Texts::Fill(Texts::Mark("Overlap: track %1 part %2 and track %3 part %4"),
                                     {std::to_string(result.NumberOf(o.A.Slot)),
                                      std::to_string(PartNumber(o.A.Index)),
                                      std::to_string(result.NumberOf(o.B.Slot)),
                                      std::to_string(PartNumber(o.B.Index))}),
                         o.A.Slot, o.A.Index, false});
        const Pose at = WorldPoseOfPart(design.Tracks[o.A.Slot], o.A.Index);
        marks.push_back({at.X, at.Y});
    }
    for (const MissingPart& m : result.Shopping)
        lines.push_back(
            {Texts::Fill(Texts::Mark("Buy %1 x %2"), {std::to_string(m.Missing), m.Code}), -1, 0,
             false});
    if (result.Clean())
        lines.push_back({Texts::Mark("Every track closes, nothing overlaps, nothing is missing."),
                         -1, 0, false});
    return lines;
}

void GoToFinding(A_APPL& appl, const FindingLine& finding) {
    if (finding.Slot < 0)
        return;
    C_VIRELDO& design = appl.Design;
    T_TRACK& track = design.Design.Tracks[finding.Slot];
    if (!track.InUse)
        return;
    design.SelectedTrack = &track;
    design.SelectionFirst = design.SelectionLast = std::min(finding.Index, track.PartCount - 1);
    const Pose at = WorldPoseOfPart(track, finding.Index);
    design.Offset = {-at.X * design.Zoom, -at.Y * design.Zoom};
    appl.Edit.PendingPreview = false;
    RepaintPanel(appl.Canvases);
    UpdateEditButtons(appl);
}

void CloseLoopCommand(A_APPL& appl) {
    C_VIRELDO& design = appl.Design;
    T_TRACK* track = design.SelectedTrack;
    if (!track || !track->InUse) {
        ShowAppMessage(appl, Texts::Mark("Select the open track to close first."));
        return;
    }
    const int slot = static_cast<int>(track - design.Design.Tracks.data());
    const std::vector<Proposal> proposals = ProposeClosings(design.Design, slot);
    if (proposals.empty()) {
        ShowAppMessage(
            appl, Texts::Mark("No way to close this track by changing up to 4 parts was found."));
        return;
    }
    std::vector<std::string> items;
    for (const Proposal& proposal : proposals)
        items.push_back(Describe(proposal));
    const int chosen = appl.Dialogs().ChooseFromList(
        Texts::Mark("Close Loop"), items, [&](int i) { Preview(appl, *track, proposals[i]); });
    BlitPanel(appl.Canvases);
    if (chosen < 0 || chosen >= static_cast<int>(proposals.size()))
        return;
    if (!ApplyProposal(*track, proposals[chosen])) {
        ShowAppMessage(appl,
                       Texts::Mark("You cannot add any more parts to this track (max 2000) !"));
        return;
    }
    track->Modified = true;
    design.SelectionFirst =
        std::max(track->PartCount - static_cast<int>(proposals[chosen].Pieces.size()), 0);
    design.SelectionLast = track->PartCount - 1;
    if (proposals[chosen].Pieces.empty()) // only taken off: the new last part
        design.SelectionFirst = design.SelectionLast;
    RepaintPanel(appl.Canvases);
    PushUndo(appl, TrackChange(design.Design, track));
}
