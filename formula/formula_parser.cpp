// Brevant Dira — reading a screen formula: a small recursive-descent parser
// that checks every name, period and type while it builds the node list.
#include <cctype>
#include <charconv>
#include <unordered_map>

#include "formula/formula.h"
#include "formula/formula_error.h"
#include "formula/formula_names.h"

namespace brevant {
namespace {

enum class Tok { Number, Name, Symbol, End };

struct Token {
    Tok kind = Tok::End;
    std::string text; // a name in lower case; the symbol itself
    int position = 1; // from 1
};

std::string Found(const Token& t) {
    if (t.kind == Tok::End) return "the end of the formula";
    return "'" + t.text + "'";
}

bool IsNameStart(char c) {
    return std::isalpha(static_cast<unsigned char>(c)) || c == '_';
}
bool IsNameChar(char c) {
    return IsNameStart(c) || std::isdigit(static_cast<unsigned char>(c));
}
bool IsDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

std::vector<Token> Tokens(const std::string& text) {
    std::vector<Token> out;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        const int position = static_cast<int>(i) + 1;
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++i;
            continue;
        }
        Token t;
        t.position = position;
        if (IsDigit(c)) {
            std::size_t j = i;
            while (j < text.size() && IsDigit(text[j])) ++j;
            if (j < text.size() && text[j] == '.') {
                ++j;
                if (j >= text.size() || !IsDigit(text[j]))
                    throw FormulaError(static_cast<int>(j) + 1, "a digit after the decimal point",
                                       j < text.size() ? "'" + std::string(1, text[j]) + "'"
                                                       : "the end of the formula");
                while (j < text.size() && IsDigit(text[j])) ++j;
            }
            t.kind = Tok::Number;
            t.text = text.substr(i, j - i);
            i = j;
        } else if (IsNameStart(c)) {
            std::size_t j = i;
            while (j < text.size() && IsNameChar(text[j])) ++j;
            t.kind = Tok::Name;
            for (std::size_t k = i; k < j; ++k)
                t.text += static_cast<char>(std::tolower(static_cast<unsigned char>(text[k])));
            i = j;
        } else {
            static const char* const kTwo[] = {"<=", ">=", "<>"};
            t.kind = Tok::Symbol;
            for (const char* two : kTwo)
                if (text.compare(i, 2, two) == 0) t.text = two;
            if (t.text.empty()) {
                if (std::string_view("+-*/<>=()[],").find(c) == std::string_view::npos)
                    throw FormulaError(position, "a number, a name, an operator or a bracket",
                                       "'" + std::string(1, c) + "'");
                t.text = std::string(1, c);
            }
            i += t.text.size();
        }
        out.push_back(std::move(t));
    }
    Token end;
    end.position = static_cast<int>(text.size()) + 1;
    out.push_back(end);
    return out;
}

constexpr std::string_view kKeywords[] = {"and", "or", "not", "crosses", "above", "below"};

struct Parsed {
    int node;
    int position;
};

class Parser {
public:
    explicit Parser(const std::string& text) : tokens_(Tokens(text)) {}

    Formula Run(bool condition) {
        const Parsed root = Or();
        if (Peek().kind != Tok::End) {
            if (IsComparison(Peek()))
                throw FormulaError(Peek().position, "'and' or 'or' between two comparisons",
                                   Found(Peek()));
            throw FormulaError(Peek().position, "an operator or the end of the formula",
                               Found(Peek()));
        }
        if (condition)
            NeedCondition(root);
        else
            NeedNumber(root);
        formula_.root = root.node;
        return std::move(formula_);
    }

private:
    const Token& Peek() const { return tokens_[next_]; }
    const Token& Take() { return tokens_[next_++]; }
    bool IsSymbol(std::string_view s) const {
        return Peek().kind == Tok::Symbol && Peek().text == s;
    }
    bool IsWord(std::string_view w) const { return Peek().kind == Tok::Name && Peek().text == w; }
    static bool IsComparison(const Token& t) {
        if (t.kind == Tok::Name) return t.text == "crosses";
        if (t.kind != Tok::Symbol) return false;
        return t.text == "<" || t.text == "<=" || t.text == ">" || t.text == ">=" ||
               t.text == "=" || t.text == "<>";
    }
    void Expect(std::string_view symbol, const std::string& what) {
        if (!IsSymbol(symbol)) throw FormulaError(Peek().position, what, Found(Peek()));
        Take();
    }

    const FormulaNode& Node(const Parsed& p) const {
        return formula_.nodes[static_cast<std::size_t>(p.node)];
    }
    void NeedCondition(const Parsed& p) const {
        if (!Node(p).condition)
            throw FormulaError(p.position, "a condition (such as rsi > 50)", "a number");
    }
    void NeedNumber(const Parsed& p) const {
        if (Node(p).condition)
            throw FormulaError(p.position, "a number", "a condition (true or false)");
    }

    // Adds the node unless an equal one is there already.
    int Add(FormulaNode n) {
        std::string key(reinterpret_cast<const char*>(&n.op), 1);
        key += ':' + std::to_string(n.a) + ':' + std::to_string(n.b) + ':' + std::to_string(n.n);
        key += ':' + std::to_string(n.indicator);
        for (int i = 0; i < n.periodCount; ++i) key += ',' + std::to_string(n.periods[i]);
        if (n.op == FormulaOp::Number) key.append(reinterpret_cast<const char*>(&n.value), 8);
        if (n.op == FormulaOp::Price) {
            for (const StockBarField& f : kStockBarFields)
                if (f.member == n.field) key += f.name;
        }
        const auto [it, added] = known_.try_emplace(key, static_cast<int>(formula_.nodes.size()));
        if (added) formula_.nodes.push_back(n);
        return it->second;
    }

    Parsed Binary(FormulaOp op, const Parsed& a, const Parsed& b, bool condition) {
        FormulaNode n;
        n.op = op;
        n.a = a.node;
        n.b = b.node;
        n.condition = condition;
        return {Add(n), a.position};
    }

    // Brackets, "not" and "-" nest; a bound keeps the recursion within the
    // stack whatever the text.
    struct Nesting {
        explicit Nesting(Parser& p) : parser(p) {
            if (++parser.depth_ > kMaxNesting)
                throw FormulaError(parser.Peek().position,
                                   "at most " + std::to_string(kMaxNesting) + " nested parts",
                                   Found(parser.Peek()));
        }
        ~Nesting() { --parser.depth_; }
        Nesting(const Nesting&) = delete;
        Nesting& operator=(const Nesting&) = delete;
        Parser& parser;
    };
    static constexpr int kMaxNesting = 100;

    Parsed Or() {
        const Nesting nesting(*this);
        Parsed left = And();
        while (IsWord("or")) {
            Take();
            const Parsed right = And();
            NeedCondition(left);
            NeedCondition(right);
            left = Binary(FormulaOp::Or, left, right, true);
        }
        return left;
    }

    Parsed And() {
        Parsed left = Not();
        while (IsWord("and")) {
            Take();
            const Parsed right = Not();
            NeedCondition(left);
            NeedCondition(right);
            left = Binary(FormulaOp::And, left, right, true);
        }
        return left;
    }

    Parsed Not() {
        if (!IsWord("not")) return Comparison();
        const Nesting nesting(*this);
        const int position = Take().position;
        const Parsed operand = Not();
        NeedCondition(operand);
        FormulaNode n;
        n.op = FormulaOp::Not;
        n.a = operand.node;
        n.condition = true;
        return {Add(n), position};
    }

    Parsed Comparison() {
        const Parsed left = Sum();
        if (!IsComparison(Peek())) return left;
        const Token op = Take();
        FormulaOp kind = FormulaOp::Less;
        if (op.text == "crosses") {
            if (IsWord("above"))
                kind = FormulaOp::CrossAbove;
            else if (IsWord("below"))
                kind = FormulaOp::CrossBelow;
            else
                throw FormulaError(Peek().position, "'above' or 'below' after 'crosses'",
                                   Found(Peek()));
            Take();
        } else {
            static const std::pair<std::string_view, FormulaOp> kOps[] = {
                {"<", FormulaOp::Less},    {"<=", FormulaOp::LessEqual},
                {">", FormulaOp::Greater}, {">=", FormulaOp::GreaterEqual},
                {"=", FormulaOp::Equal},   {"<>", FormulaOp::NotEqual}};
            for (const auto& [text, o] : kOps)
                if (op.text == text) kind = o;
        }
        const Parsed right = Sum();
        NeedNumber(left);
        NeedNumber(right);
        return Binary(kind, left, right, true);
    }

    Parsed Sum() {
        Parsed left = Product();
        while (IsSymbol("+") || IsSymbol("-")) {
            const FormulaOp op = Take().text == "+" ? FormulaOp::Add : FormulaOp::Subtract;
            const Parsed right = Product();
            NeedNumber(left);
            NeedNumber(right);
            left = Binary(op, left, right, false);
        }
        return left;
    }

    Parsed Product() {
        Parsed left = Unary();
        while (IsSymbol("*") || IsSymbol("/")) {
            const FormulaOp op = Take().text == "*" ? FormulaOp::Multiply : FormulaOp::Divide;
            const Parsed right = Unary();
            NeedNumber(left);
            NeedNumber(right);
            left = Binary(op, left, right, false);
        }
        return left;
    }

    Parsed Unary() {
        if (!IsSymbol("-")) return LookBack();
        const Nesting nesting(*this);
        const int position = Take().position;
        const Parsed operand = Unary();
        NeedNumber(operand);
        FormulaNode n;
        n.op = FormulaOp::Negate;
        n.a = operand.node;
        return {Add(n), position};
    }

    Parsed LookBack() {
        Parsed p = Primary();
        while (IsSymbol("[")) {
            Take();
            const int bars = WholeNumber(0, kFormulaMaxLookBack, "a number of bars");
            Expect("]", "']'");
            if (bars == 0) continue;
            FormulaNode n;
            n.op = FormulaOp::LookBack;
            n.a = p.node;
            n.n = bars;
            n.condition = Node(p).condition;
            p.node = Add(n);
        }
        return p;
    }

    // A whole number written as such (no sign, no decimals) inside the limits.
    int WholeNumber(int lowest, int highest, const std::string& what) {
        const Token& t = Peek();
        const std::string expected = what + " (a whole number from " + std::to_string(lowest) +
                                     " to " + std::to_string(highest) + ")";
        int v = 0;
        if (t.kind != Tok::Number ||
            std::from_chars(t.text.data(), t.text.data() + t.text.size(), v).ptr !=
                t.text.data() + t.text.size() ||
            v < lowest || v > highest)
            throw FormulaError(t.position, expected, Found(t));
        Take();
        return v;
    }

    Parsed Primary() {
        const Token t = Peek();
        if (t.kind == Tok::Number) {
            Take();
            FormulaNode n;
            n.op = FormulaOp::Number;
            std::from_chars(t.text.data(), t.text.data() + t.text.size(), n.value);
            return {Add(n), t.position};
        }
        if (IsSymbol("(")) {
            Take();
            Parsed inner = Or();
            Expect(")", "')'");
            inner.position = t.position;
            return inner;
        }
        if (t.kind == Tok::Name && !IsKeyword(t.text)) {
            Take();
            return Named(t);
        }
        throw FormulaError(t.position, "a number, a name or '('", Found(t));
    }

    static bool IsKeyword(std::string_view word) {
        for (std::string_view k : kKeywords)
            if (k == word) return true;
        return false;
    }

    Parsed Named(const Token& t) {
        static const std::pair<std::string_view, double TStockBar::*> kPrices[] = {
            {"open", &TStockBar::Open},
            {"high", &TStockBar::High},
            {"low", &TStockBar::Low},
            {"close", &TStockBar::Close},
            {"volume", &TStockBar::Volume}};
        for (const auto& [name, field] : kPrices) {
            if (t.text != name) continue;
            FormulaNode n;
            n.op = FormulaOp::Price;
            n.field = field;
            return {Add(n), t.position};
        }
        if (const FormulaIndicator* indicator = FindFormulaIndicator(t.text))
            return Indicator(t, *indicator);
        static const std::pair<std::string_view, FormulaOp> kWindows[] = {
            {"ma", FormulaOp::Ma},
            {"ema", FormulaOp::Ema},
            {"highest", FormulaOp::Highest},
            {"lowest", FormulaOp::Lowest},
            {"sum", FormulaOp::Sum}};
        for (const auto& [name, op] : kWindows)
            if (t.text == name) return Window(t, op);
        if (t.text == "abs") return Function(t, FormulaOp::Abs, 1);
        if (t.text == "min") return Function(t, FormulaOp::Min, 2);
        if (t.text == "max") return Function(t, FormulaOp::Max, 2);
        throw FormulaError(t.position, "a price, a calculation or a function name", Found(t));
    }

    Parsed Indicator(const Token& t, const FormulaIndicator& indicator) {
        FormulaNode n;
        n.op = FormulaOp::Indicator;
        n.field = indicator.field;
        n.indicator = static_cast<int>(&indicator - FormulaIndicators().data());
        const int most = static_cast<int>(indicator.calculation->parameters.size());
        if (IsSymbol("(")) {
            if (most == 0)
                throw FormulaError(Peek().position, t.text + " without periods", Found(Peek()));
            Take();
            while (true) {
                n.periods[static_cast<std::size_t>(n.periodCount++)] =
                    WholeNumber(1, kFormulaMaxPeriod, "a period");
                if (!IsSymbol(",")) break;
                if (n.periodCount == most)
                    throw FormulaError(Peek().position,
                                       "')' after at most " + std::to_string(most) + " period" +
                                           (most > 1 ? "s" : "") + " of " + t.text,
                                       Found(Peek()));
                Take();
            }
            Expect(")", n.periodCount < most ? "')' or ','" : "')'");
        }
        return {Add(n), t.position};
    }

    Parsed Window(const Token& t, FormulaOp op) {
        Expect("(", "'(' after " + t.text);
        const Parsed series = Or();
        NeedNumber(series);
        Expect(",", "',' and the number of bars");
        FormulaNode n;
        n.op = op;
        n.a = series.node;
        n.n = WholeNumber(1, kFormulaMaxPeriod, "a number of bars");
        Expect(")", "')'");
        return {Add(n), t.position};
    }

    Parsed Function(const Token& t, FormulaOp op, int operands) {
        Expect("(", "'(' after " + t.text);
        FormulaNode n;
        n.op = op;
        const Parsed a = Or();
        NeedNumber(a);
        n.a = a.node;
        if (operands == 2) {
            Expect(",", "',' and a second value");
            const Parsed b = Or();
            NeedNumber(b);
            n.b = b.node;
        }
        Expect(")", "')'");
        return {Add(n), t.position};
    }

    std::vector<Token> tokens_;
    std::size_t next_ = 0;
    int depth_ = 0;
    Formula formula_;
    std::unordered_map<std::string, int> known_;
};

} // namespace

std::shared_ptr<const Formula> ParseFormula(const std::string& text, bool condition) {
    Formula f = Parser(text).Run(condition);
    f.text = text;
    return std::make_shared<const Formula>(std::move(f));
}

} // namespace brevant
