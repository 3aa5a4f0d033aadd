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
    const Text verb = Lower(args[0]);
    const Text option = args.size() >= 2 ? Lower(args[1]) : Text();
    if (verb == u"--help" || verb == u"-h" || verb == u"/?" || verb == u"help") return {CtlCall::Kind::Usage, {}, {}};
    const bool namesWindow = verb == u"restore" || verb == u"close" || verb == u"hide";
    if (!namesWindow && verb != u"list" && verb != u"exit") return Wrong(u"unknown command " + Quoted(verb) + u".");
    // Options come first; a caption may itself begin with "-".
    if (verb == u"list" && args.size() >= 2 && option != u"--json")
        return Wrong(args[1].starts_with(u"-") ? u"unknown option " + Quoted(args[1]) + u" for list."
                                               : u"list takes no caption; unexpected " + Quoted(args[1]) + u".");
    if (verb == u"hide" && option == u"--foreground") {
        if (args.size() > 2) return Wrong(u"hide --foreground takes nothing more; unexpected " + Quoted(args[2]) + u".");
        return Request(InboxCommand::HideForeground);
    }
    const std::size_t wanted = namesWindow ? 2 : verb == u"list" && args.size() >= 2 ? 2 : 1;
    if (args.size() < wanted) return Wrong(verb + u" needs the caption of a window, in quotes.");
    if (args.size() > wanted)
        return Wrong(verb + (namesWindow ? u" takes one caption, in quotes" : u" takes nothing more") + u"; unexpected " +
                     Quoted(args[wanted]) + u".");
    if (verb == u"list") return Request(wanted == 2 ? InboxCommand::ListDetails : InboxCommand::List);
    if (verb == u"exit") return Request(InboxCommand::Exit);
    const Text& caption = args[1];
    if (caption.empty()) return Wrong(u"the caption is empty; a window is named by its caption.");
    if (caption.size() > kCtlLongestCaption)
        return Wrong(u"the caption has " + DecimalText(static_cast<std::int64_t>(caption.size())) +
                     u" characters; Hidewell reads at most " + DecimalText(kCtlLongestCaption) +
                     u" of a window's caption.");
    return Request(verb == u"restore" ? InboxCommand::Restore
                   : verb == u"close" ? InboxCommand::Close
                                      : InboxCommand::Hide,
                   caption);
}

Text CtlUsage() {
    return u"Usage: hidewellctl restore \"<caption>\"   restore the hidden window with this caption\r\n"
           u"       hidewellctl close \"<caption>\"     close the hidden window with this caption\r\n"
           u"       hidewellctl hide \"<caption>\"      hide the shown window with this caption\r\n"
           u"       hidewellctl hide --foreground     hide the window in front\r\n"
           u"       hidewellctl list                  list the captions of the hidden windows, one a line\r\n"
           u"       hidewellctl list --json           list the hidden windows as JSON\r\n"
           u"       hidewellctl exit                  end Hidewell (hidden windows come back) and wait\r\n"
           u"       hidewellctl start [--wait <seconds>] <program> [arguments...]\r\n"
           u"                                         start a program and hide its first window (wait 30 s)\r\n"
           u"       hidewellctl --help                show this\r\n"
           u"A caption is taken exactly; when no window has it, the one window that has it in other\r\n"
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
