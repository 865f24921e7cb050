#include "app/script_requests.h"

#include "core/color/color_text.h"
#include "core/export/palette_export.h"
#include "core/export/palette_import.h"
#include "core/scripting/script_values.h"
#include "ui/bar/palette_file_writer.h"

#include <algorithm>

namespace twl {

namespace {

std::optional<std::string> RequestedFormat(const InstanceRequest& request) {
    if (request.items.empty()) {
        return std::nullopt;
    }
    return request.items.front();
}

InstanceReply Export(const std::string& path, ScriptTarget& target) {
    const auto kind = ExportKindFor(path);
    if (!kind) {
        return FailedReply(2, {"tintwell: cannot tell the kind of \"" + path +
                               "\" from its extension; " + ExportKindList()});
    }
    std::vector<TColor> colors;
    try {
        colors = PaletteColors(target.PaletteLines());
    } catch (const ConversionError& error) {
        return FailedReply(1, {"tintwell: " + std::string(error.what())});
    }
    if (const auto message = WritePaletteFile(path, *kind, colors)) {
        return FailedReply(1, {"tintwell: " + *message});
    }
    return OkReply();
}

// The colours of a palette file onto the palette, first on top; a file that cannot be read adds
// nothing.
InstanceReply Import(const std::string& path, ScriptTarget& target) {
    const ColorNames* names = target.Formats().ColorNamesOfTemplates();
    const PaletteImport read =
        ReadPaletteFile(path, names != nullptr ? CssLineReader(*names) : OtherColorReader());
    if (!read.problem.empty()) {
        return FailedReply(2, {"tintwell: " + PaletteImportMessage(path, read.problem)});
    }
    if (const auto message = target.AddColors(read.colors)) {
        return FailedReply(1, {"tintwell: " + *message});
    }
    return OkReply();
}

} // namespace

void AnswerRequest(const InstanceRequest& request, ScriptTarget& target, const ReplyFn& reply) {
    const FormatList& formats = target.Formats();
    switch (request.verb) {
    case RequestVerb::Formats:
        reply(OkReply(formats.Names()));
        return;
    case RequestVerb::Palette: {
        const auto format = ChooseFormat(formats, RequestedFormat(request), {});
        if (!format) {
            reply(FailedReply(2, UnknownFormatMessage(request.items.front(), formats)));
            return;
        }
        reply(OkReply(PaletteValues(target.PaletteLines(), formats, *format)));
        return;
    }
    case RequestVerb::Add: {
        const ColorArguments colors = ReadColorArguments(request.items);
        if (colors.notAColor) {
            reply(FailedReply(2, {"tintwell: not a colour: \"" + *colors.notAColor + "\""}));
            return;
        }
        if (const auto message = target.AddColors(colors.colors)) {
            reply(FailedReply(1, {"tintwell: " + *message}));
            return;
        }
        reply(OkReply());
        return;
    }
    case RequestVerb::Export:
        reply(Export(request.items.front(), target));
        return;
    case RequestVerb::Import:
        reply(Import(request.items.front(), target));
        return;
    case RequestVerb::Pick: {
        const auto format =
            ChooseFormat(formats, RequestedFormat(request), target.AutoCopyFormat());
        if (!format) {
            reply(FailedReply(2, UnknownFormatMessage(request.items.front(), formats)));
            return;
        }
        if (const std::string problem = target.PickProblem(); !problem.empty()) {
            reply(FailedReply(1, {"tintwell: " + problem}));
            return;
        }
        // The target outlives its picks: the bar, or the command line's own loop.
        target.Pick([&target, reply, name = *format](std::optional<TColor> color) {
            if (!color) {
                // A screen that could not be read as the pick began is told, not taken for a
                // cancel.
                const std::string problem = target.PickProblem();
                reply(problem.empty() ? CancelledReply()
                                      : FailedReply(1, {"tintwell: " + problem}));
                return;
            }
            reply(OkReply({ScriptValue(target.Formats(), *color, name)}));
        });
        return;
    }
    case RequestVerb::Show:
    case RequestVerb::Quit:
        break;
    }
    reply(FailedReply(1, {"tintwell: that request is not answered here"}));
}

} // namespace twl
