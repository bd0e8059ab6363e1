// The basic instructions shown by the Instructions help window, in two parts
// joined once into one buffer. Lines are separated by CR LF.
#include "help_texts.h"

#include <string>

const char* const instructionsPartOne =
    "BASIC INSTRUCTIONS: Scroll the help windows with their scroll bars or with\r\n"
    "the arrow keys and Page Up and Page Down. Each of them can be printed:\r\n"
    "this one with its Print menu, the other two with their Print button.\r\n"
    "\r\n"
    "Up to 56 significant figures show on one line of the result. A longer\r\n"
    "number continues on a second line; use the scroll arrows of the result\r\n"
    "box to see it.\r\n"
    "\r\n"
    "Integer work, addition and subtraction are exact. Products and quotients\r\n"
    "are worked out to 54 decimal places, and the fractional part of the\r\n"
    "answer is rounded to the decimals chosen in the Display menu. Caution: a\r\n"
    "function value carries only so many correct digits, so the product of a\r\n"
    "function value and a large number has only as many correct digits as\r\n"
    "the function value carries.\r\n"
    "\r\n"
    "Long calculations, especially of functions, take noticeable time. Every\r\n"
    "calculation works to 54 decimal places whatever the Display choice, so\r\n"
    "fewer decimals shorten the answer but not the time.\r\n"
    "\r\n"
    "All input stays visible and can be edited. Calculations can be saved,\r\n"
    "recalled, written to a file and printed.\r\n"
    "\r\n"
    "To add a column of numbers, type a number followed by + or -: the number\r\n"
    "pops up into a box above, and the sign stays in the input box as the start\r\n"
    "of the next number. 10 expressions can be entered this way, 9 in the boxes\r\n"
    "above and one in the input box. The answer shows continuously in the\r\n"
    "lowest, grey box.\r\n"
    "\r\n"
    "Doubled signs act as one: \"+-\" and \"-+\" act as -, \"++\" and \"--\" act as +,\r\n"
    "so 5+-3 gives 2. A doubled sign typed at the start of a calculation pops\r\n"
    "up into a box of its own, and such popped up operators can give wrong\r\n"
    "answers, so avoid them.\r\n";

const char* const instructionsPartTwo =
    "\r\n"
    "Any box can be changed: click into it and edit it. Keep the + or - at the\r\n"
    "start of a box above; without it the number runs into the one before it.\r\n"
    "\r\n"
    "The Clear button clears the input box and all the boxes above it. The\r\n"
    "Clear/Save button clears them too and moves the answer into the input\r\n"
    "box, ready for the next term. Both first keep the calculation and add a\r\n"
    "'Recall Calc' item for it to the Memory menu, up to 30 calculations. At\r\n"
    "30 they show the message \"At Limit\" and leave the boxes as they are; use\r\n"
    "'Clear Calculations' in the Memory menu to start over.\r\n"
    "\r\n"
    "* and / do not pop up. Parentheses stop popping up and calculating until\r\n"
    "they balance. Enter 'pi' for 3.14... (pi to 150 decimal places).\r\n"
    "A sign before a function name applies to its result: -sin30 gives -.5.\r\n"
    "\r\n"
    "Display menu: 10, 20, 30, 40 or 50 decimals, no decimals or all of them.\r\n"
    "Zeros at the end of a rounded answer are not shown. Commas groups the\r\n"
    "digits in threes, Group-5 in fives. An answer too large for the result\r\n"
    "window shows OVERFLOW.\r\n"
    "\r\n"
    "Advanced operators:\r\n"
    "  %  remainder: when using %, fractions are truncated, not rounded\r\n"
    "     (7.9%2.5 gives 1).\r\n"
    "  ^  power: 2^3 gives 8 and 2^-2 gives .25; 0^-2 gives ERROR.\r\n"
    "  '  x'y is sqrt(x^2+y^2): 3'4 gives 5.\r\n"
    "  \\  y\\x is atan2(y,x), the angle of the point (x, y):\r\n"
    "     1\\-1 gives 135 degrees.\r\n"
    "  >  comparison: 5>3 gives 1, 3>5 gives 0.\r\n"
    "Dividing by zero gives ERROR.\r\n"
    "\r\n"
    "Variables: Show Variables in the Variables menu opens the x, y and z\r\n"
    "boxes. Each holds a number or an expression (x, y and z inside these\r\n"
    "boxes count as 0), and x, y and z in the calculation stand for their\r\n"
    "values. The Save to X, Y and Z buttons copy the answer, without grouping,\r\n"
    "into a box. Hidden boxes keep their values; use Show Variables again\r\n"
    "to see the x, y, z values.";

const char* basicInstructionsText()
{
    static const std::string text = std::string(instructionsPartOne) + instructionsPartTwo;
    return text.c_str();
}
