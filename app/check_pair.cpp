#include "app/check_pair.h"

#include <QCheckBox>

namespace app {

namespace {

void clearPartnerOnCheck(QCheckBox* clicked, QCheckBox* partner)
{
    // clicked() comes from the user only; setChecked() on the partner emits
    // toggled() but not clicked(), so the partner does not answer back.
    QObject::connect(clicked, &QCheckBox::clicked, partner, [partner](bool checked) {
        if (checked) partner->setChecked(false);
    });
}

}  // namespace

void makeExclusivePair(QCheckBox* first, QCheckBox* second)
{
    clearPartnerOnCheck(first, second);
    clearPartnerOnCheck(second, first);
}

}  // namespace app
