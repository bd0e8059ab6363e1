// ExpressionParser: evaluates one expression text at once by recursive
// descent over a small scanner. There is no syntax error: every text ends
// with a value; text the grammar cannot use is passed over or left unread.
//
//   sum      products joined by "+" "-", left to right
//   product  factors joined by "*" "/" "%", left to right
//   factor   primary, then at most one each of "^", ">", "'", "\" in that order
//   primary  optional leading "+" / "-", optional function name, one operand
//   operand  "(" sum ")" or an atom (number, pi, x, y, z)
#pragma once

#include "decimal_number.h"

#include <string>

enum TokenKind : unsigned char {
    kTokenNone = 0,
    kTokenOperator = 1,
    kTokenName = 2,
    kTokenOperand = 3,
};

// Parenthesis levels one evaluation may open: a text of the longest box
// (999 characters) nests at most 999. A deeper text gives the error state,
// so the recursion never outgrows the stack.
constexpr int kMaxNestingDepth = 1000;

struct ExpressionParser {
    const char* position = nullptr;  // next character not yet scanned
    int depth = 0;                   // parenthesis levels open
    bool tooDeep = false;            // a level past kMaxNestingDepth was met
    std::string tokenText;           // current token; grows for long tokens
    TokenKind tokenKind = kTokenNone;

    // Sets the evaluation context and evaluates text (null reads as empty).
    // An empty first token gives fromText("0"); tokens left after the sum
    // are ignored; nesting past kMaxNestingDepth gives the error state.
    // x, y and z are copied into the context's own numbers, whose storage
    // is reused from one evaluation to the next; none of them may be one of
    // the context's numbers.
    DecimalNumber evaluate(const char* text, int angleMode, const DecimalNumber& x, const DecimalNumber& y,
                           const DecimalNumber& z);

    // Scans the next token into tokenText and tokenKind.
    void nextToken();

    // Each level evaluates from the current token on and leaves its value in
    // out; on return the current token is the first one the level did not
    // use. A missing operand leaves out as it was.
    void parseSum(DecimalNumber& out);
    void parseProduct(DecimalNumber& out);
    void parseFactor(DecimalNumber& out);
    void parsePrimary(DecimalNumber& out);
    void parseOperand(DecimalNumber& out);
    void parseAtom(DecimalNumber& out);

    // First character of the current token, '\0' for an empty token.
    char tokenStart() const { return tokenText.empty() ? '\0' : tokenText[0]; }
};
