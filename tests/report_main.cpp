// SPDX-License-Identifier: GPL-3.0-or-later

#include "report/language.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    // As the program does: Bulgarian's plural forms come with it.
    if (!cramer::installLanguage(cramer::Language::Bulgarian, cramer::QtTexts::AsQtWritesThem))
        return 1;
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
