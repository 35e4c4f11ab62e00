#pragma once
#include "calc/Wegdek.h"
#include "calc/Werkblad.h"

namespace tarvo {

// All traffic of period p (1..3), added in the order the method gives.
double Qtotaal(const Invoer& in, int p);
// The freight share of period p in percent: medium and heavy of all traffic.
double Vrachtaandeel(const Invoer& in, int p);

// Road-surface correction of category c (1 lv, 2 mv, 3 zv) for the chosen
// road surface at the category's speed; sets CwegdekCat(c).
void WegdekCorrectie(const Invoer& in, const Catalogus& catalogus, int c, Resultaten& r);

// Emission numbers of period p (1..3): Qtotaal, Vrachtverkeer, the category
// numbers and the two energetic totals.
void Emissie(const Invoer& in, const Catalogus& catalogus, int p, Resultaten& r);

}  // namespace tarvo
