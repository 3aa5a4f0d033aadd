#include "common/StartHidden.h"

#include <algorithm>

#include "common/NumericParse.h"

namespace hw {

std::optional<StartCall> ParseStartCall(const std::vector<Text>& words, Text& problem) {
    StartCall call;
    std::size_t i = 0;
    if (i < words.size() && words[i] == u"--wait") {
        const bool digits = i + 1 < words.size() && !words[i + 1].empty() &&
                            std::all_of(words[i + 1].begin(), words[i + 1].end(), [](char16_t c) { return c >= u'0' && c <= u'9'; });
        const std::optional<std::int32_t> seconds = digits ? ParseInt32(words[i + 1]) : std::nullopt;
        if (!seconds || *seconds < 1 || *seconds > kMaxStartWaitSeconds) {
            problem = u"--wait needs a number of seconds from 1 to " + DecimalText(kMaxStartWaitSeconds) + u".";
            return std::nullopt;
        }
        call.waitSeconds = *seconds;
        i += 2;
    }
    if (i == words.size() || words[i].empty()) {
        problem = u"start needs the program to start.";
        return std::nullopt;
    }
    call.program = words[i++];
    for (; i < words.size(); ++i) {
        if (!call.parameters.empty()) call.parameters += u' ';
        call.parameters += QuoteArgument(words[i]);
    }
    return call;
}

Text QuoteArgument(const Text& argument) {
    if (!argument.empty() && argument.find_first_of(u" \t\n\v\"") == Text::npos) return argument;
    Text quoted = u"\"";
    std::size_t backslashes = 0;
    for (char16_t c : argument) {
        if (c == u'\\') {
            ++backslashes;
            continue;
        }
        // Backslashes before a quote are doubled, and the quote escaped; elsewhere they stand.
        quoted.append(c == u'"' ? backslashes * 2 + 1 : backslashes, u'\\');
        backslashes = 0;
        quoted += c;
    }
    // Those before the closing quote are doubled too.
    quoted.append(backslashes * 2, u'\\');
    return quoted + u"\"";
}

int StartHidden(LaunchHost& host, const StartCall& call, Text& message) {
    Text error;
    const std::optional<std::uint32_t> process = host.StartProgram(call.program, call.parameters, error);
    if (!process) {
        message = u"hidewellctl: " + call.program + u" could not be started" + (error.empty() ? u"." : u": " + error);
        return kStartFailed;
    }
    const std::uint64_t end = host.NowMs() + static_cast<std::uint64_t>(call.waitSeconds) * 1000;
    for (;;) {
        // The program's own windows first, then those of the processes it started.
        std::vector<std::uint32_t> candidates{*process};
        for (std::uint32_t child : host.ChildProcesses(*process))
            if (std::find(candidates.begin(), candidates.end(), child) == candidates.end()) candidates.push_back(child);
        for (std::uint32_t candidate : candidates) {
            const std::optional<InboxAnswer> answer = host.AskHide(candidate);
            if (!answer || *answer == kInboxRejected) {
                message = u"hidewellctl: Hidewell did not take the request to hide the window of " + call.program + u".";
                return kStartRejected;
            }
            if (*answer == kInboxAccepted) return kStartHidden;
            if (*answer == kInboxNeedsRights) {
                message = u"hidewellctl: Hidewell runs with more rights than this program, so it does not hide windows "
                          u"for it.";
                return kStartNeedsRights;
            }
        }
        if (host.NowMs() >= end) break;
        host.Pause(kStartPollMs);
    }
    message = u"hidewellctl: " + call.program + u" started, but no window of it appeared within " +
              DecimalText(call.waitSeconds) + u" seconds; it was left as it is.";
    return kStartNoWindow;
}

}  // namespace hw
