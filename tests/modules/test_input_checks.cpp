// What the form must hold before anything is sent: each field, its rule and what the user is told.
#include "input_checks.h"

#include <QTest>

Q_DECLARE_METATYPE(InputField)

class TestInputChecks : public QObject
{
    Q_OBJECT

private slots:
    void fields_data()
    {
        QTest::addColumn<QStringList>("fields");   // name, sprite, map, x, y
        QTest::addColumn<int>("field");            // the field named; -1 when all is well
        QTest::addColumn<QString>("text");
        const QStringList good{"Guide", "105", "prontera", "150", "120"};
        const auto with = [&good](int at, const QString &value) {
            QStringList fields = good;
            fields[at] = value;
            return fields;
        };
        const QString fill = "Please fill in \"%1\".";
        const QString number = "\"%1\" must be a whole number of 0 or more.";
        const QString sprite = "\"NPC Sprite\" must be a sprite number or a sprite name without blanks or commas.";
        const QString map = "\"Location of this NPC - Map Name\" must be a map name without blanks or commas.";
        QTest::newRow("all well") << good << -1 << "";
        QTest::newRow("sprite by name") << with(1, "4_F_KAFRA1") << -1 << "";
        QTest::newRow("sprite -1, hidden") << with(1, "-1") << -1 << "";
        QTest::newRow("map with .gat") << with(2, "prontera.gat") << -1 << "";
        QTest::newRow("position 0") << with(3, "0") << -1 << "";
        QTest::newRow("name with blanks and quotes") << with(0, "Old \"Bo\" Smith") << -1 << "";
        QTest::newRow("empty form: the name first") << QStringList{"", "", "", "", ""} << 0 << fill.arg("Name of this NPC");
        QTest::newRow("name only blanks") << with(0, "   ") << 0 << fill.arg("Name of this NPC");
        QTest::newRow("sprite missing") << with(1, "") << 1 << fill.arg("NPC Sprite");
        QTest::newRow("sprite with a blank") << with(1, "4 F") << 1 << sprite;
        QTest::newRow("sprite with a comma") << with(1, "105,") << 1 << sprite;
        QTest::newRow("sprite with a tab") << with(1, "1\t0") << 1 << sprite;
        QTest::newRow("map missing") << with(2, "") << 2 << fill.arg("Location of this NPC - Map Name");
        QTest::newRow("map with a comma") << with(2, "prt,1") << 2 << map;
        QTest::newRow("map with a blank at the end") << with(2, "prontera ") << 2 << map;
        QTest::newRow("x missing") << with(3, "") << 3 << number.arg("X Position on Map");
        QTest::newRow("x negative") << with(3, "-1") << 3 << number.arg("X Position on Map");
        QTest::newRow("x fraction") << with(3, "1.5") << 3 << number.arg("X Position on Map");
        QTest::newRow("x with text") << with(3, "12abc") << 3 << number.arg("X Position on Map");
        QTest::newRow("x with a blank") << with(3, "150 ") << 3 << number.arg("X Position on Map");
        QTest::newRow("y missing") << with(4, "") << 4 << number.arg("Y Position on Map");
        QTest::newRow("y with a plus") << with(4, "+3") << 4 << number.arg("Y Position on Map");
        QTest::newRow("y in other digits") << with(4, QString::fromUtf8("١٢")) << 4 << number.arg("Y Position on Map");
        QTest::newRow("x and y wrong: x first") << with(3, "a").replaceInStrings("120", "b") << 3
                                                << number.arg("X Position on Map");
    }
    void fields()
    {
        QFETCH(QStringList, fields);
        QFETCH(int, field);
        QFETCH(QString, text);
        const HeaderInputs inputs{fields[0], fields[1], fields[2], fields[3], fields[4]};
        const std::optional<InputProblem> problem =
            CheckHeaderInputs(inputs, InputCaptions{"Name of this NPC", "Location of this NPC - Map Name"});
        QCOMPARE(problem.has_value(), field >= 0);
        if (!problem)
            return;
        QCOMPARE(int(problem->field), field);
        QCOMPARE(problem->text, text);
        QCOMPARE(InputProblemTitle(), QString("Check the form.."));
    }

    void prices_data()
    {
        QTest::addColumn<QString>("price");
        QTest::addColumn<bool>("valid");
        QTest::newRow("whole number") << "50" << true;
        QTest::newRow("zero") << "0" << true;
        QTest::newRow("the item's own price") << "-1" << true;
        QTest::newRow("other negative") << "-2" << false;
        QTest::newRow("number then text") << "12abc" << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("fraction") << "2.5" << false;
        QTest::newRow("blank") << " 5" << false;
    }
    void prices()
    {
        QFETCH(QString, price);
        QFETCH(bool, valid);
        QCOMPARE(IsValidPrice(price), valid);
        QCOMPARE(PriceProblemText(" Red Potion"),
                 QString("The sale price of Red Potion must be a whole number of 0 or more, or -1 for the item's own price."));
    }
};

QTEST_APPLESS_MAIN(TestInputChecks)
#include "test_input_checks.moc"
