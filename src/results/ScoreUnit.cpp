#include "ScoreUnit.h"

namespace dorvale {

TScoreForm* ScoreForm = nullptr;

TScoreForm::TScoreForm()
{
    setObjectName(QStringLiteral("ScoreForm"));
    setWindowTitle(QStringLiteral("Quillon"));
}

} // namespace dorvale
