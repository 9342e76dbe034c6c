#pragma once
// The formula evaluator of the conversion formulas (variable c).

#include "core/Fout.h"

#include <string>

enum FormuleFout : int {
    FormuleGoed = 0,
    FormuleGeenEnkeleWaarde = 8,   // does not evaluate to a single value
    FormuleOnleesbaar = 77,        // cannot be read (an empty or all-blank formula too)
    FormuleTeLang = 78,            // more items than the evaluator's tables hold
    FormuleDelingDoorNul = FoutDelingDoorNul,
    FormuleOverloop = FoutOverloop,  // a result, or a number in the formula, beyond the doubles
    FormuleOngeldigeMacht = FoutOngeldigArgument,  // a negative number to a fractional power, or 0 to a negative one
};

// Evaluates the formula for variable value c. Every "," the scanner meets in
// a number becomes "." in the caller's text. On success foutcode is 0 and
// resultaat is set (always finite); otherwise resultaat is unchanged and
// positie is the 1-based character where reading stopped (one past the end
// when the formula ended too early; the first character of a number too
// large for a double), or 1 for errors found while evaluating (codes 8, 77,
// 11, 6 and 5). modus 1 refuses a formula that uses the variable.
void FormuleBerekenen(std::string& formule, double& resultaat, int& positie, int& foutcode, int modus, double c);
