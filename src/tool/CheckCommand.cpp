#include "DesignDocument.h"
#include "base/TextValues.h"
#include "check/LoopCloser.h"

#include <algorithm>
#include <cstdio>
#include <iostream>
#include <sstream>

namespace {

// check: 0 nothing found, 1 findings, 2 the file could not be read.
constexpr int CHECK_CLEAN = 0;
constexpr int CHECK_FINDINGS = 1;
constexpr int CHECK_UNREADABLE = 2;

std::string Number(double value, int decimals = 1) {
    return Fixed(value, decimals);
}

std::string Quoted(const std::string& text) {
    std::string out = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\')
            out += '\\';
        if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string Text(const CheckResult& result) {
    std::ostringstream out;
    for (const TrackFinding& t : result.Tracks) {
        out << "track " << t.Number << ": ";
        if (t.Empty)
            out << "empty";
        else if (t.Closed)
            out << "closed";
        else
            out << "open, gap " << Number(t.GapMillimetres) << " mm, heading off "
                << Number(t.HeadingDegrees, 2) << " degrees"
                << (GapDirection(t).empty() ? "" : ", the end " + GapDirection(t));
        out << "; lanes " << Number(t.Lane1, 2) << " / " << Number(t.Lane2, 2) << " cm, difference "
            << Number(t.LaneDifference(), 2) << " cm (" << Number(t.LaneDifferencePercent(), 2)
            << " %)\n";
    }
    for (const JoinCandidate& j : result.Joins)
        out << "join: the " << (j.EndOfA ? "end" : "start") << " of track "
            << result.NumberOf(j.SlotA) << " and the " << (j.EndOfB ? "end" : "start")
            << " of track " << result.NumberOf(j.SlotB) << " are " << Number(j.GapMillimetres)
            << " mm apart\n";
    for (const Overlap& o : result.Overlaps)
        out << "overlap: track " << result.NumberOf(o.A.Slot) << " part " << PartNumber(o.A.Index)
            << " and track " << result.NumberOf(o.B.Slot) << " part " << PartNumber(o.B.Index)
            << ", " << Number(o.AreaSquareCm) << " cm2\n";
    for (const MissingPart& m : result.Shopping)
        out << "buy: " << m.Missing << " x " << m.Code << "\n";
    out << (result.Clean() ? "all closed, nothing overlaps, nothing missing\n" : "");
    return out.str();
}

std::string Json(const CheckResult& result) {
    std::ostringstream out;
    out << "{\"tracks\":[";
    for (size_t i = 0; i < result.Tracks.size(); ++i) {
        const TrackFinding& t = result.Tracks[i];
        out << (i ? "," : "") << "{\"number\":" << t.Number
            << ",\"empty\":" << (t.Empty ? "true" : "false")
            << ",\"closed\":" << (t.Closed ? "true" : "false")
            << ",\"gap_mm\":" << Number(t.GapMillimetres, 3)
            << ",\"along_mm\":" << Number(t.AlongMillimetres, 3)
            << ",\"across_mm\":" << Number(t.AcrossMillimetres, 3)
            << ",\"heading_deg\":" << Number(t.HeadingDegrees, 2)
            << ",\"lane1_cm\":" << Number(t.Lane1, 2) << ",\"lane2_cm\":" << Number(t.Lane2, 2)
            << ",\"lane_difference_cm\":" << Number(t.LaneDifference(), 2)
            << ",\"lane_difference_percent\":" << Number(t.LaneDifferencePercent(), 2) << "}";
    }
    out << "],\"joins\":[";
    for (size_t i = 0; i < result.Joins.size(); ++i) {
        const JoinCandidate& j = result.Joins[i];
        out << (i ? "," : "") << "{\"track_a\":" << result.NumberOf(j.SlotA)
            << ",\"end_a\":" << Quoted(j.EndOfA ? "end" : "start")
            << ",\"track_b\":" << result.NumberOf(j.SlotB)
            << ",\"end_b\":" << Quoted(j.EndOfB ? "end" : "start")
            << ",\"gap_mm\":" << Number(j.GapMillimetres, 3) << "}";
    }
    out << "],\"overlaps\":[";
    for (size_t i = 0; i < result.Overlaps.size(); ++i) {
        const Overlap& o = result.Overlaps[i];
        out << (i ? "," : "") << "{\"track_a\":" << result.NumberOf(o.A.Slot)
            << ",\"part_a\":" << PartNumber(o.A.Index)
            << ",\"track_b\":" << result.NumberOf(o.B.Slot)
            << ",\"part_b\":" << PartNumber(o.B.Index)
            << ",\"area_cm2\":" << Number(o.AreaSquareCm, 1) << "}";
    }
    out << "],\"shopping\":[";
    for (size_t i = 0; i < result.Shopping.size(); ++i)
        out << (i ? "," : "") << "{\"code\":" << Quoted(result.Shopping[i].Code)
            << ",\"missing\":" << result.Shopping[i].Missing << "}";
    out << "],\"clean\":" << (result.Clean() ? "true" : "false") << "}\n";
    return out.str();
}

CheckTolerance ToleranceOf(const ToolArgs& args) {
    CheckTolerance tolerance;
    if (args.Options.count("tolerance"))
        tolerance.GapMillimetres = static_cast<float>(ParseDouble(args.Options.at("tolerance")));
    return tolerance;
}

std::string Codes(const std::vector<ClosingPiece>& pieces) {
    std::string text;
    for (const ClosingPiece& piece : pieces)
        text += (text.empty() ? "" : " ") + piece.Def->Code +
                (piece.Status & PS_LEFT    ? "L"
                 : piece.Status & PS_RIGHT ? "R"
                                           : "");
    return text;
}

// "S350", "remove S350", "remove S350, add S175", each with the gap left.
std::string Describe(const Proposal& proposal) {
    std::string text = Codes(proposal.Pieces);
    if (!proposal.Removed.empty())
        text = "remove " + Codes(proposal.Removed) + (text.empty() ? "" : ", add " + text);
    return text + " (gap left " + Number(proposal.ResidualMillimetres, 3) + " mm)";
}

} // namespace

int CheckCommand(const ToolArgs& args) {
    std::string error, message;
    auto document = LoadToolDesign(args, "check", error, message);
    if (!document) {
        Fail(error);
        return CHECK_UNREADABLE;
    }
    const CheckResult result = CheckDesign(document->Design, ToleranceOf(args));
    WriteOut(args.Options.count("json") ? Json(result) : Text(result));
    return result.Clean() ? CHECK_CLEAN : CHECK_FINDINGS;
}

int CloseCommand(const ToolArgs& args) {
    std::string error, message;
    auto document = LoadToolDesign(args, "close", error, message);
    if (!document)
        return Fail(error);
    const int number =
        args.Options.count("track") ? ClampToInt32(ParseLong(args.Options.at("track"))) : 0;
    const CheckResult found = CheckDesign(document->Design);
    int slot = -1;
    for (const TrackFinding& track : found.Tracks)
        if (track.Number == number)
            slot = track.Slot;
    if (slot < 0)
        return Fail("--track needs the number of a track of the design");
    CloseOptions options;
    options.Tolerance = ToleranceOf(args);
    options.InStockOnly = args.Options.count("in-stock") > 0;
    if (args.Options.count("max-parts"))
        options.MaxParts = std::clamp(ClampToInt32(ParseLong(args.Options.at("max-parts"))), 1, 6);
    const std::vector<Proposal> proposals = ProposeClosings(document->Design, slot, options);
    std::string text;
    for (size_t i = 0; i < proposals.size(); ++i)
        text += std::to_string(i + 1) + ": " + Describe(proposals[i]) + "\n";
    WriteOut(text.empty() ? "no proposal\n" : text);
    if (!args.Options.count("o") || proposals.empty())
        return proposals.empty() ? 1 : 0;
    ApplyProposal(document->Design.Tracks[slot], proposals[0]);
    document->Design.FileName = args.Options.at("o");
    const std::string written = SaveDesign(document->Design, document->Offset, document->Freehand);
    return written.empty() ? 0 : Fail(written);
}
