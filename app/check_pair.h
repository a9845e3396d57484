#pragma once
// Two check boxes that act as a choice of one: checking one by a click clears
// the other; unchecking it leaves the pair empty. Clearing the partner by
// program never undoes the click.
class QCheckBox;

namespace app {

void makeExclusivePair(QCheckBox* first, QCheckBox* second);

}  // namespace app
