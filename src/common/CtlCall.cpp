#include "common/CtlCall.h"

#include "common/NumericParse.h"

namespace hw {

namespace {

CtlCall Wrong(Text problem) { return {CtlCall::Kind::Wrong, {InboxCommand::List, {}}, std::move(problem)}; }

CtlCall Request(InboxCommand command, Text caption = {}) {
    return {CtlCall::Kind::Request, {command, std::move(caption)}, {}};
}

Text Quoted(const Text& text) {
    Text quoted(1, u'"');
    quoted += ListLine(text);
    quoted += u'"';
    return quoted;
}

// Commands and options are read without regard to case, as Windows programs' are.
Text Lower(Text text) {
    for (char16_t& c : text)
        if (c >= u'A' && c <= u'Z') c = static_cast<char16_t>(c - u'A' + u'a');
    return text;
}

}  // namespace

CtlCall ParseCtlArguments(const std::vector<Text>& args) {
    if (args.empty()) return Wrong(u"no command given.");
    const Text word = Lower(args[0]);
    if (word == u"--help" || word == u"-h" || word == u"/?" || word == u"help") return {CtlCall::Kind::Usage, {}, {}};
    // Options come first; a caption may itself begin with "-".
    const Text option = args.size() >= 2 ? Lower(args[1]) : Text();
    const Verb* plain = nullptr;
    const Verb* optioned = nullptr;
    bool takesOptions = false;
    for (const Verb& verb : kVerbs) {
        if (verb.word != word) continue;
        takesOptions = takesOptions || !verb.option.empty();
        if (verb.option.empty()) plain = &verb;
        else if (verb.option == option) optioned = &verb;
    }
    if (!plain) return Wrong(u"unknown command " + Quoted(word) + u".");
    const Verb& verb = optioned ? *optioned : *plain;
    const std::vector<Text> rest(args.begin() + (optioned ? 2 : 1), args.end());
    switch (verb.names) {
    case VerbNames::Process:
        return {CtlCall::Kind::Start, {verb.command, {}}, {}, rest};
    case VerbNames::Nothing:
        if (rest.empty()) return Request(verb.command);
        // The option is named where the word alone would take a caption.
        if (optioned)
            return Wrong(word + (plain->names == VerbNames::Nothing ? Text() : u" " + option) +
                         u" takes nothing more; unexpected " + Quoted(rest[0]) + u".");
        if (takesOptions)
            return Wrong(rest[0].starts_with(u"-") ? u"unknown option " + Quoted(rest[0]) + u" for " + word + u"."
                                                   : word + u" takes no caption; unexpected " + Quoted(rest[0]) + u".");
        return Wrong(word + u" takes nothing more; unexpected " + Quoted(rest[0]) + u".");
    case VerbNames::Caption:
        break;
    }
    if (rest.empty()) return Wrong(word + u" needs the caption of a window, in quotes.");
    if (rest.size() > 1) return Wrong(word + u" takes one caption, in quotes; unexpected " + Quoted(rest[1]) + u".");
    const Text& caption = rest[0];
    if (caption.empty()) return Wrong(u"the caption is empty; a window is named by its caption.");
    if (caption.size() > kCtlLongestCaption)
        return Wrong(u"the caption has " + DecimalText(static_cast<std::int64_t>(caption.size())) +
                     u" characters; Hidewell reads at most " + DecimalText(kCtlLongestCaption) +
                     u" of a window's caption.");
    return Request(verb.command, caption);
}

Text VerbForm(const Verb& verb) {
    Text form(verb.word);
    for (std::u16string_view part : {verb.option, verb.arguments})
        if (!part.empty()) (form += u' ') += part;
    return form;
}

Text CtlUsage() {
    // The words about each call stand in one column; a longer call has them on the next line.
    constexpr std::size_t kCallWidth = 22;
    Text usage;
    auto line = [&](const Text& call, std::u16string_view about) {
        usage += usage.empty() ? u"Usage: hidewellctl " : u"       hidewellctl ";
        usage += call;
        if (call.size() < kCallWidth) {
            usage.append(kCallWidth - call.size(), u' ');
        } else {
            usage += u"\r\n";
            usage.append(std::size(u"Usage: hidewellctl ") - 1 + kCallWidth, u' ');
        }
        usage += about;
        usage += u"\r\n";
    };
    for (const Verb& verb : kVerbs) line(VerbForm(verb), verb.about);
    line(u"--help", u"show this");
    return usage + u"A caption is taken exactly; when no window has it, the one window that has it in other\r\n"
                   u"case. In list, tabs, line breaks and other control characters show as \\t, \\n, \\r, \\xNN.\r\n"
                   u"Exit codes: 0 done, 1 Hidewell is not running, 2 wrong call, 3 rejected or no answer,\r\n"
                   u"4 no such window, 5 Hidewell would not take it from this program, 6 start: not started,\r\n"
                   u"7 start: no window in time, 8 restore asked but the window's program has not shown it yet.\r\n";
}

Text ListLine(const Text& caption) {
    const char16_t* hex = u"0123456789abcdef";
    Text line;
    for (char16_t c : caption) {
        if (c == u'\n')
            line += u"\\n";
        else if (c == u'\t')
            line += u"\\t";
        else if (c == u'\r')
            line += u"\\r";
        else if (c < 0x20 || c == 0x7F)
            line += Text(u"\\x") + hex[c >> 4] + hex[c & 15];
        else
            line += c;
    }
    return line;
}

Text ListJson(const std::vector<ListedWindow>& windows) {
    Text json = u"[";
    for (const ListedWindow& w : windows) {
        if (json.size() > 1) json += u",";
        json += u"{\"caption\":" + JsonString(w.caption) + u",\"handle\":" +
                DecimalText(static_cast<std::int64_t>(w.window.Value())) + u",\"kind\":" +
                (w.manual ? u"\"manual\"" : u"\"rule\"") + u",\"program\":" + JsonString(w.program) +
                u",\"class\":" + JsonString(w.className) + u"}";
    }
    return json + u"]";
}

}  // namespace hw
