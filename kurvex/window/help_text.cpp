#include "help_text.h"

namespace kurvex {

const std::string& HelpText() {
    static const std::string text = R"(I N T R O D U C T I O N

Kurvex draws the graph of an equation in one unknown, written X. Any equation that needs no
calculus can be drawn: type it, give the range of X you want to see, and press Go.

The window sizes itself to the screen. It fits best at a resolution of 1024 x 768; at
848 x 480 the borders are slightly distorted.

When you change the equation and press Go again, the new curve is drawn over the old one, so
that several curves can be compared on one picture. Clear gives a blank picture.

For one particular value of X, type it in the box for a specific X: its Y is shown beside
it. The X that gives the largest Y, ignoring its sign, within the limits last used is shown in
MaxX, and that Y in MaxY.


E N T E R I N G   T H E   E Q U A T I O N

Type the equation in the Equation box, then the lower and upper limits of X in Low X and
High X. The Tab key moves from the equation to the specific X, Low X, High X and the Go
button, then on to the results, the units choice, Clear and Exit.

The equation is checked before anything is drawn, but the check cannot catch every mistake:
an equation that passes it may still give strange results, so look at what you typed if the
curve surprises you.

Scientific notation (such as 2E3) is not accepted in the equation; write the number out.

The order of working is: brackets first, then powers, logs, trig functions, multiplication
and division, and last addition and subtraction. A number written in front of X multiplies
the whole term, so 3X^3 means 3(X^3), not (3X)^3. A function takes only the number right
after it: 4Sin4X is 4 times Sin 4 times X, while 4Sin(4X) is 4 times the sine of 4X, and
SinX+2 adds 2 to the sine, while Sin(X+2) is the sine of X+2.

Brackets may be nested as deeply as you like.

Powers are written with ^, as in X^2. Negative and fractional powers are allowed: X^-2,
X^0.5. A fractional power needs a positive number below it; otherwise a math error is
reported.

Logs: Logn is the natural log, Logd the log to base 10. The anti-logs take a leading "a":
aLogn (e to the power) and aLogd (10 to the power).

Trig functions: Sin, Cos and Tan, with angles in radians, and their inverses aSin, aCos and
aTan.

Capital or small letters make no difference.


T H E   D I S P L A Y

There are three pages; click a tab to show one.

Graph: the curve in red over black axes, with figures along both axes. Values of Tan are
limited to plus or minus 100, and a note on the picture says so when that happened. When Y
goes above five million the Y figures are replaced by a note, and the values are best read
from the table.

Table: for the last equation drawn, Y against X for every pixel across the picture. Where
Y cannot be worked out at an X, the table says Math Error instead.

Help: these instructions, shown when the program starts.

When Times Pi is chosen, the limits of X are multiplied by pi as they are read. A specific X
is never multiplied by pi.


T H E   B U T T O N S

Go: checks the equation, works out Y across the range, draws the curve, fills in the results
and the table.

Clear: blanks the picture and empties the table. The boxes keep what you typed.

Exit: ends the program.
)";
    return text;
}

}  // namespace kurvex
