#include "PluralRule.h"

#include <cctype>
#include <string>

namespace rt {

// A node of the expression: a number, n, or an operator on one to three nodes.
struct PluralRule::Node {
  enum class Kind { Number, N, Not, Binary, Choice } kind = Kind::Number;
  unsigned long number = 0;
  std::string op;  // "==", "%", "&&", ... for Binary
  std::unique_ptr<Node> a, b, c;
};

namespace {

using Node = PluralRule::Node;
using NodePtr = std::unique_ptr<Node>;

NodePtr MakeNode(Node::Kind kind) {
  auto node = std::make_unique<Node>();
  node->kind = kind;
  return node;
}

// A recursive descent over C's precedence: ?: || && ==,!= <,>,<=,>= +,- *,/,% ! and atoms.
class Parser {
 public:
  explicit Parser(std::string_view text) : text_(text) {}

  NodePtr Whole() {
    NodePtr node = Choice();
    Skip();
    return at_ == text_.size() ? std::move(node) : nullptr;
  }

 private:
  void Skip() {
    while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
  }
  bool Take(std::string_view token) {
    Skip();
    if (text_.substr(at_, token.size()) != token) return false;
    // "<" is not the start of "<=", nor "!" of "!=".
    const std::string_view rest = text_.substr(at_ + token.size(), 1);
    if (token.size() == 1 && rest == "=" && std::string_view("<>!=").find(token) != std::string_view::npos)
      return false;
    at_ += token.size();
    return true;
  }

  NodePtr Choice() {
    // A rule is short: a deeper one is no rule of a language, and would exhaust the stack.
    if (++depth_ > 64) return nullptr;
    NodePtr condition = Level(0);
    if (!condition || !Take("?")) return condition;
    NodePtr yes = Choice();
    if (!yes || !Take(":")) return nullptr;
    NodePtr no = Choice();
    if (!no) return nullptr;
    auto node = MakeNode(Node::Kind::Choice);
    node->a = std::move(condition), node->b = std::move(yes), node->c = std::move(no);
    return node;
  }

  // The binary operators, loosest first.
  NodePtr Level(std::size_t level) {
    static constexpr std::string_view kLevels[][4] = {{"||"},     {"&&"},         {"==", "!="}, {"<=", ">=", "<", ">"},
                                                      {"+", "-"}, {"*", "/", "%"}};
    if (level == std::size(kLevels)) return Unary();
    NodePtr left = Level(level + 1);
    while (left) {
      std::string_view found;
      for (const std::string_view op : kLevels[level])
        if (!op.empty() && Take(op)) {
          found = op;
          break;
        }
      if (found.empty()) return left;
      NodePtr right = Level(level + 1);
      if (!right) return nullptr;
      auto node = MakeNode(Node::Kind::Binary);
      node->op = std::string(found), node->a = std::move(left), node->b = std::move(right);
      left = std::move(node);
    }
    return left;
  }

  NodePtr Unary() {
    if (++depth_ > 64) return nullptr;
    if (Take("!")) {
      NodePtr operand = Unary();
      if (!operand) return nullptr;
      auto node = MakeNode(Node::Kind::Not);
      node->a = std::move(operand);
      return node;
    }
    if (Take("(")) {
      NodePtr inner = Choice();
      return inner && Take(")") ? std::move(inner) : nullptr;
    }
    Skip();
    if (Take("n")) return MakeNode(Node::Kind::N);
    if (at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_]))) {
      auto node = MakeNode(Node::Kind::Number);
      for (; at_ < text_.size() && std::isdigit(static_cast<unsigned char>(text_[at_])) && node->number < 1000000;
           ++at_)
        node->number = node->number * 10 + static_cast<unsigned long>(text_[at_] - '0');
      return node;
    }
    return nullptr;
  }

  std::string_view text_;
  std::size_t at_ = 0;
  int depth_ = 0;
};

// Nothing for a division by zero.
std::optional<unsigned long> Evaluate(const Node& node, unsigned long n) {
  switch (node.kind) {
    case Node::Kind::Number: return node.number;
    case Node::Kind::N: return n;
    case Node::Kind::Not: {
      const auto a = Evaluate(*node.a, n);
      return a ? std::optional<unsigned long>(*a == 0) : std::nullopt;
    }
    case Node::Kind::Choice: {
      const auto condition = Evaluate(*node.a, n);
      if (!condition) return std::nullopt;
      return Evaluate(*condition ? *node.b : *node.c, n);
    }
    case Node::Kind::Binary: break;
  }
  const auto a = Evaluate(*node.a, n), b = Evaluate(*node.b, n);
  if (!a || !b) return std::nullopt;
  const std::string& op = node.op;
  if (op == "||") return *a || *b;
  if (op == "&&") return *a && *b;
  if (op == "==") return *a == *b;
  if (op == "!=") return *a != *b;
  if (op == "<") return *a < *b;
  if (op == ">") return *a > *b;
  if (op == "<=") return *a <= *b;
  if (op == ">=") return *a >= *b;
  if (op == "+") return *a + *b;
  if (op == "-") return *a - *b;
  if (op == "*") return *a * *b;
  if (*b == 0) return std::nullopt;
  return op == "/" ? *a / *b : *a % *b;
}

// The text after "name=" up to the next ";", or nothing.
// ("plural" is not the end of "nplurals").
std::optional<std::string_view> Field(std::string_view line, std::string_view name) {
  std::size_t at = line.find(name);
  while (at != std::string_view::npos && at > 0 && std::isalpha(static_cast<unsigned char>(line[at - 1])))
    at = line.find(name, at + 1);
  if (at == std::string_view::npos) return std::nullopt;
  std::string_view rest = line.substr(at + name.size());
  while (!rest.empty() && rest.front() == ' ') rest.remove_prefix(1);
  if (rest.empty() || rest.front() != '=') return std::nullopt;
  rest.remove_prefix(1);
  return rest.substr(0, rest.find(';'));
}

}  // namespace

PluralRule::PluralRule() : expression_(Parser("n != 1").Whole()) {}
PluralRule::~PluralRule() = default;
PluralRule::PluralRule(PluralRule&&) noexcept = default;
PluralRule& PluralRule::operator=(PluralRule&&) noexcept = default;

std::optional<PluralRule> PluralRule::FromHeader(std::string_view header) {
  const std::size_t start = header.find("Plural-Forms:");
  if (start == std::string_view::npos) return std::nullopt;
  const std::string_view line = header.substr(start, header.find('\n', start) - start);
  const auto forms = Field(line, "nplurals"), plural = Field(line, "plural");
  if (!forms || !plural) return std::nullopt;
  auto count = Parser(*forms).Whole();
  auto expression = Parser(*plural).Whole();
  if (!count || count->kind != Node::Kind::Number || count->number < 1 || count->number > 6 || !expression)
    return std::nullopt;
  PluralRule rule;
  rule.forms_ = static_cast<int>(count->number);
  rule.expression_ = std::move(expression);
  return rule;
}

int PluralRule::FormFor(unsigned long n) const {
  const auto form = Evaluate(*expression_, n);
  return form && *form < static_cast<unsigned long>(forms_) ? static_cast<int>(*form) : 0;
}

}  // namespace rt
