#pragma once
// The command line's requests answered, by the running bar or by the command line itself when
// no bar runs: the same checks, values and files either way. Only the palette and the pick
// differ, and a ScriptTarget supplies them.

#include "core/color/color_text.h"
#include "core/formats/format_list.h"
#include "core/scripting/instance_message.h"

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace twl {

class ScriptTarget {
public:
    virtual ~ScriptTarget() = default;
    virtual std::vector<std::string> PaletteLines() const = 0;
    virtual const FormatList& Formats() const = 0;
    // The automatic copy's format ("copyas"), the pick's value when no format is asked for.
    virtual std::string AutoCopyFormat() const = 0;
    // Puts the colours on the palette, the first on top; the message when they cannot be kept.
    virtual std::optional<std::string> AddColors(std::span<const TColor> firstOnTop) = 0;
    // Opens the screen pick overlay; done gets the colour, or nothing when the pick was
    // cancelled. A colour picked is on the palette (where there is one) before done runs.
    virtual void Pick(std::function<void(std::optional<TColor>)> done) = 0;
    // Why a pick cannot be made now ("" when it can): one is open already, or the screen
    // cannot be read.
    virtual std::string PickProblem() const { return {}; }
};

using ReplyFn = std::function<void(const InstanceReply& reply)>;

// Answers Pick, Add, Palette, Export, Import and Formats; reply runs once, at once or (Pick) when
// the pick ends. A request is checked whole before anything changes. Show and Quit are not answered
// here.
void AnswerRequest(const InstanceRequest& request, ScriptTarget& target, const ReplyFn& reply);

} // namespace twl
