// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/texts.h"

namespace cramer::texts {

const std::array<ListItem, 42> kMethodSummary { {
    { 22, CRAMER_TEXT("MethodSummary", "метод на Крамер"), 1 },
    { 25, CRAMER_TEXT("MethodSummary", "за решаване"), 1 },
    { 10, CRAMER_TEXT("MethodSummary", "на системи линейни уравнения"), 6 },
    { 10, CRAMER_TEXT("MethodSummary", ""), 0 },
    { 9, CRAMER_TEXT("MethodSummary", "първоначален вид на системата:"), 4 },
    { 10, CRAMER_TEXT("MethodSummary", ""), 0 },
    { 6, CRAMER_TEXT("MethodSummary", "I a11.x1+a12.x2+a13.x3+...+a1n.xn=b1"), 0 },
    { 6, CRAMER_TEXT("MethodSummary", "I a21.x1+a22.x2+a23.x3+...+a2n.xn=b2"), 8 },
    { 6, CRAMER_TEXT("MethodSummary", "I a31.x1+a32.x2+a33.x3+...+a3n.xn=b3"), 8 },
    { 6, CRAMER_TEXT("MethodSummary", "I ..........................................................."), 0 },
    { 6, CRAMER_TEXT("MethodSummary", "I an1.x1+an2.x2+an3.x3+...+ann.xn=bn"), 0 },
    { 0, CRAMER_TEXT("MethodSummary", ""), 0 },
    { 8, CRAMER_TEXT("MethodSummary", "детерминанта от коефициенти пред"), 1 },
    { 28, CRAMER_TEXT("MethodSummary", "неизвестните"), 1 },
    { 18, CRAMER_TEXT("MethodSummary", ""), 0 },
    { 22, CRAMER_TEXT("MethodSummary", "I a11 a12 a13 ... a1n  I"), 0 },
    { 22, CRAMER_TEXT("MethodSummary", "I a21 a22 a23 ... a2n  I"), 0 },
    { 16, CRAMER_TEXT("MethodSummary", "d = I a31 a32 a33 ... a3n  I"), 1 },
    { 22, CRAMER_TEXT("MethodSummary", "I .............................. I"), 0 },
    { 22, CRAMER_TEXT("MethodSummary", "I an1 an2 an3 ... ann I"), 1 },
    { 2, CRAMER_TEXT("MethodSummary", ""), 0 },
    { 3, CRAMER_TEXT("MethodSummary", "детерминанта, получена от d чрез замяна"), 1 },
    { 4, CRAMER_TEXT("MethodSummary", "на  i -тия стълб със свободните членове"), 0 },
    { 33, CRAMER_TEXT("MethodSummary", ""), 0 },
    { 26, CRAMER_TEXT("MethodSummary", "I  a11 ... b1 ... a1n  I"), 0 },
    { 26, CRAMER_TEXT("MethodSummary", "I  a21 ... b2 ... a2n  I"), 0 },
    { 19, CRAMER_TEXT("MethodSummary", "di = I  a31 ... b3 ... a3n  I"), 1 },
    { 26, CRAMER_TEXT("MethodSummary", "I  .......................... I"), 0 },
    { 26, CRAMER_TEXT("MethodSummary", "I  an1 ... bn ... ann I"), 5 },
    { 15, CRAMER_TEXT("MethodSummary", ""), 0 },
    { 32, CRAMER_TEXT("MethodSummary", "решението е:"), 0 },
    { 0, CRAMER_TEXT("MethodSummary", ""), 0 },
    { 34, CRAMER_TEXT("MethodSummary", "I  x1=d1/d"), 0 },
    { 34, CRAMER_TEXT("MethodSummary", "I  x2=d2/d"), 0 },
    { 34, CRAMER_TEXT("MethodSummary", "I  x3=d3/d"), 0 },
    { 34, CRAMER_TEXT("MethodSummary", "I  ............"), 0 },
    { 34, CRAMER_TEXT("MethodSummary", "I  xn=dn/d"), 0 },
    { 1, CRAMER_TEXT("MethodSummary", ""), 0 },
    { 6, CRAMER_TEXT("MethodSummary", "Програмата решава само системи,"), 1 },
    { 6, CRAMER_TEXT("MethodSummary", "които имат единствено решение."), 1 },
    { 21, CRAMER_TEXT("MethodSummary", "(при d<0 или d>0)"), 0 },
    { 21, CRAMER_TEXT("MethodSummary", "ПРИЯТНА РАБОТА!"), 0 },
} };

} // namespace cramer::texts
