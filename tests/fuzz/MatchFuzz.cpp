// The compiled caption matcher against a plain recursive reference: the same answer
// (match, no match, malformed) for every pattern and caption.
#include <vector>

#include "FuzzInput.h"
#include "engine/TitleMatch.h"
#include "fakes/TableCaseMapping.h"

namespace {

using hw::Text;

// Straight from the rules: the element at pattern position p either fails or consumes one
// caption character; "*" tries every split. Memoised on (p, c) to stay polynomial.
class Reference {
public:
    Reference(const Text& pattern, const Text& caption, const hw::CaseMapping& upper)
        : p_(upper.Upper(pattern)), c_(upper.Upper(caption)),
          memo_((p_.size() + 1) * (c_.size() + 1), kUnknown) {}

    hw::MatchResult Run() {
        if (!WellFormed()) return hw::MatchResult::Malformed;
        return At(0, 0) ? hw::MatchResult::Match : hw::MatchResult::NoMatch;
    }

private:
    static constexpr char kUnknown = 2;

    // Every "[" has its "]", no range runs downwards, and no more elements than a caption
    // has characters must each take one.
    bool WellFormed() const {
        std::size_t oneEach = 0;
        for (std::size_t p = 0; p < p_.size(); ++p) {
            if (p_[p] != u'*') ++oneEach;
            if (p_[p] != u'[') continue;
            bool ok = false;
            std::size_t end = ListEnd(p, ok);
            if (!ok) return false;
            p = end - 1;
        }
        return oneEach <= hw::kLongestCaption;
    }

    // One past the "]" of the list opened at p; ok false when malformed. With c given,
    // in is set to whether c is taken by the list.
    std::size_t ListEnd(std::size_t p, bool& ok, char16_t c = 0, bool* in = nullptr) const {
        std::size_t i = p + 1;
        bool negated = i < p_.size() && p_[i] == u'!';
        if (negated) ++i;
        bool found = false;
        ok = false;
        while (i < p_.size() && p_[i] != u']') {
            char16_t low = p_[i];
            char16_t high = low;
            if (i + 2 < p_.size() && p_[i + 1] == u'-' && p_[i + 2] != u']') {
                high = p_[i + 2];
                if (high < low) return i;
                i += 3;
            } else {
                i += 1;
            }
            if (c >= low && c <= high) found = true;
        }
        if (i >= p_.size()) return i;
        ok = true;
        if (in) *in = found != negated;
        return i + 1;
    }

    bool At(std::size_t p, std::size_t c) {
        char& m = memo_[p * (c_.size() + 1) + c];
        if (m == kUnknown) m = Compute(p, c) ? 1 : 0;
        return m == 1;
    }

    bool Compute(std::size_t p, std::size_t c) {
        if (p == p_.size()) return c == c_.size();
        if (p_[p] == u'*') return At(p + 1, c) || (c < c_.size() && At(p, c + 1));
        if (c == c_.size()) return false;
        char16_t ch = c_[c];
        switch (p_[p]) {
        case u'?': return At(p + 1, c + 1);
        case u'#': return ch >= u'0' && ch <= u'9' && At(p + 1, c + 1);
        case u'[': {
            bool ok = false, in = false;
            std::size_t next = ListEnd(p, ok, ch, &in);
            return in && At(next, c + 1);
        }
        default: return ch == p_[p] && At(p + 1, c + 1);
        }
    }

    Text p_;
    Text c_;
    std::vector<char> memo_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    hw::fuzz::FuzzInput in(data, size);
    const Text pattern = in.Chars(300);
    const hw::test::TableCaseMapping upper;
    const hw::TitlePattern compiled(pattern, upper);
    // Several captions per pattern, as the poll loop matches them.
    do {
        const Text caption = in.Chars(254);
        hw::fuzz::Check(compiled.MatchUpper(upper.Upper(caption)) == Reference(pattern, caption, upper).Run());
    } while (!in.Empty());
    return 0;
}
