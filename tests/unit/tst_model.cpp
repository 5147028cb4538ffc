#include "TestHelpers.h"
#include "model/CCorvaneProject.h"
#include "model/CInspectionEvent.h"
#include "model/CInspectionSegment.h"
#include "model/CPropertyList.h"
#include "model/CPropertyStore.h"

#include <QElapsedTimer>
#include <QTest>

#include <cmath>
#include <limits>

namespace {
CInspectionEvent *makeEvent(CInspectionSegment *cSection, int iId, float fMeter)
{
    auto *cEvent = new CInspectionEvent(cSection, new CPropertyList, iId);
    cEvent->setMeterValue(fMeter);
    return cEvent;
}

std::unique_ptr<CCorvaneProject> makeProject()
{
    return std::make_unique<CCorvaneProject>(CPropertyList::withIds(10).release(), CPropertyList::withIds(10).release(),
                                             CPropertyList::withIds(10).release());
}
} // namespace

class TestModel : public QObject
{
    Q_OBJECT

private slots:
    void propertyLookups();
    void propertyListBounds_data();
    void propertyListBounds();
    void addSameObjectTwice();
    void addEventOrder_data();
    void addEventOrder();
    void sortSections();
    void sortEventsByMeter_data();
    void sortEventsByMeter();
    void calculatedLength_data();
    void calculatedLength();
    void projectKinds();
    void longListsStayFast_data();
    void longListsStayFast();
    void compactListsAnswerAlike_data();
    void compactListsAnswerAlike();
};

void TestModel::propertyLookups()
{
    CPropertyList list;
    auto *cFirst = new CProperty(4);
    cFirst->setValue(QStringLiteral("first"));
    cFirst->setCode(QStringLiteral("A"));
    auto *cSecond = new CProperty(4);
    cSecond->setValue(QStringLiteral("second"));
    list.add(cFirst);
    list.add(cSecond);
    QCOMPARE(list.findProperty(4), cFirst);
    QCOMPARE(list.valueOf(4), QStringLiteral("first"));
    QCOMPARE(list.codeOf(4), QStringLiteral("A"));
    QCOMPARE(list.valueOf(99), QString());
    QCOMPARE(list.codeOf(99), QString());
    QVERIFY(!list.contains(99));
    list.clear();
    QCOMPARE(list.count(), 0);
}

void TestModel::propertyListBounds_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("id");
    QTest::addRow("minus one") << -1 << 0;
    QTest::addRow("count") << 3 << 0;
    QTest::addRow("first") << 0 << 1;
    QTest::addRow("last") << 2 << 3;
}

void TestModel::propertyListBounds()
{
    QFETCH(int, index);
    QFETCH(int, id);
    const auto list = CPropertyList::withIds(3);
    QCOMPARE(list->idAt(index), id);
}

void TestModel::addSameObjectTwice()
{
    CPropertyList list;
    auto *cProperty = new CProperty(1);
    list.add(cProperty);
    list.add(cProperty);
    QCOMPARE(list.count(), 1);

    CInspectionSegment section(nullptr, new CPropertyList, 1);
    CInspectionEvent *cEvent = makeEvent(&section, 5, 1.0f);
    section.addEvent(cEvent);
    section.addEvent(cEvent);
    QCOMPARE(section.events()->count(), 1);
    QVERIFY(!section.events()->at(1));
    QVERIFY(!section.events()->at(-1));
}

void TestModel::addEventOrder_data()
{
    QTest::addColumn<QList<int>>("ids");
    QTest::addColumn<QList<int>>("expectedTags");
    // The tag is the insertion number; equal ids put the later one first.
    QTest::addRow("ascending") << QList<int>{1, 2, 3} << QList<int>{0, 1, 2};
    QTest::addRow("descending") << QList<int>{3, 2, 1} << QList<int>{2, 1, 0};
    QTest::addRow("equal ids") << QList<int>{7, 7} << QList<int>{1, 0};
    QTest::addRow("mixed with equal") << QList<int>{5, 1, 5, 3} << QList<int>{1, 3, 2, 0};
}

void TestModel::addEventOrder()
{
    QFETCH(QList<int>, ids);
    QFETCH(QList<int>, expectedTags);
    CInspectionSegment section(nullptr, new CPropertyList, 1);
    QList<CInspectionEvent *> inserted;
    for (int iId : ids) {
        inserted.append(makeEvent(&section, iId, 0.0f));
        section.addEvent(inserted.last());
    }
    QCOMPARE(section.events()->count(), ids.size());
    for (int i = 0; i < expectedTags.size(); ++i)
        QCOMPARE(section.events()->at(i), inserted.at(expectedTags.at(i)));
}

void TestModel::sortSections()
{
    auto cProject = makeProject();
    for (int iId : {10, 2, 7, -4})
        cProject->addSection(new CInspectionSegment(cProject.get(), new CPropertyList, iId));
    cProject->sortSections();
    QList<int> order;
    for (int i = 0; i < cProject->sectionCount(); ++i)
        order << cProject->sectionAt(i)->id();
    QCOMPARE(order, (QList<int>{-4, 2, 7, 10}));
    QVERIFY(!cProject->sectionAt(4));
    QVERIFY(!cProject->sectionAt(-1));
}

void TestModel::sortEventsByMeter_data()
{
    QTest::addColumn<QList<float>>("meters");
    QTest::addColumn<QList<int>>("expectedIds");
    // Ids are 1..n in the order of the meter list.
    QTest::addRow("three positions") << QList<float>{12.0f, 3.5f, 7.25f} << QList<int>{2, 3, 1};
    QTest::addRow("same position keeps id order") << QList<float>{4.0f, 4.0f, 1.0f, 4.0f} << QList<int>{3, 1, 2, 4};
    QTest::addRow("negative first") << QList<float>{0.0f, -1.5f} << QList<int>{2, 1};
}

void TestModel::sortEventsByMeter()
{
    QFETCH(QList<float>, meters);
    QFETCH(QList<int>, expectedIds);
    auto cProject = makeProject();
    auto *cSection = new CInspectionSegment(cProject.get(), new CPropertyList, 1);
    cProject->addSection(cSection);
    for (int i = 0; i < meters.size(); ++i)
        cSection->addEvent(makeEvent(cSection, i + 1, meters.at(i)));
    cProject->sortSections();
    QList<int> order;
    for (int i = 0; i < cSection->events()->count(); ++i)
        order << cSection->events()->at(i)->id();
    QCOMPARE(order, expectedIds);
}

void TestModel::calculatedLength_data()
{
    QTest::addColumn<QList<float>>("meters");
    QTest::addColumn<float>("length");
    QTest::addRow("no event") << QList<float>{} << 0.0f;
    QTest::addRow("single negative") << QList<float>{-3.5f} << 3.5f;
    QTest::addRow("two events") << QList<float>{2.0f, 14.5f} << 12.5f;
    QTest::addRow("negative start") << QList<float>{-1.0f, 0.5f, 9.0f} << 10.0f;
}

void TestModel::calculatedLength()
{
    QFETCH(QList<float>, meters);
    QFETCH(float, length);
    auto cProject = makeProject();
    auto *cSection = new CInspectionSegment(cProject.get(), new CPropertyList, 1);
    cProject->addSection(cSection);
    for (int i = 0; i < meters.size(); ++i)
        cSection->addEvent(makeEvent(cSection, i + 1, meters.at(i)));
    cProject->sortSections();
    QCOMPARE(cSection->calculatedLength(), length);
}

void TestModel::projectKinds()
{
    const CBaseProject plain;
    QVERIFY(!plain.extended());
    QCOMPARE(plain.kind(), 1);
    QCOMPARE(plain.version(), 1);
    auto cProject = makeProject();
    QVERIFY(cProject->extended());
    QCOMPARE(cProject->client()->count(), 10);
    QCOMPARE(cProject->officer()->idAt(9), 10);
    QCOMPARE(cProject->sectionCount(), 0);
    const CInspectionSegment section(cProject.get(), new CPropertyList, 3);
    QCOMPARE(section.kind(), 2);
    const CInspectionEvent event(nullptr, new CPropertyList, 1);
    QCOMPARE(event.kind(), 3);
    QCOMPARE(event.videoTimeIndex().uiHour, 0u);
}

void TestModel::longListsStayFast_data()
{
    QTest::addColumn<bool>("descending");
    QTest::addRow("ids descending") << true;
    QTest::addRow("ids ascending") << false;
}

// A damaged file can hold hundreds of thousands of events in one section or
// properties in one list; loading must not turn quadratic.
void TestModel::longListsStayFast()
{
    QFETCH(bool, descending);
    constexpr int kCount = 200000;
    QElapsedTimer timer;
    timer.start();
    CInspectionSegment section(nullptr, new CPropertyList, 1);
    CInspectionEvent *cRepeated = nullptr;
    for (int i = 0; i < kCount; ++i) {
        const int iId = descending ? kCount - i : i + 1;
        auto *cEvent = makeEvent(&section, iId / 2, float(i % 7));
        section.addEvent(cEvent);
        if (i == kCount / 2)
            cRepeated = cEvent;
    }
    section.addEvent(cRepeated);
    QCOMPARE(section.events()->count(), kCount);
    for (int i = 1; i < kCount; ++i)
        QVERIFY(section.events()->at(i - 1)->id() <= section.events()->at(i)->id());

    CPropertyList list;
    for (int i = 0; i < kCount; ++i)
        list.add(new CProperty(kCount - i));
    for (int i = 1; i <= kCount; i += 997)
        QCOMPARE(list.findProperty(i)->id(), i);
    QVERIFY2(timer.elapsed() < 20000 * TestHelpers::timeFactor(), qPrintable(QString::number(timer.elapsed())));
}

void TestModel::compactListsAnswerAlike_data()
{
    // "id|value|code" per property, in list order; whether the block lies
    // in a store (as the project reader puts it).
    QTest::addColumn<QStringList>("properties");
    QTest::addColumn<bool>("bStore");
    QTest::addRow("empty") << QStringList() << false;
    QTest::addRow("plain") << QStringList{"1|a|A", "2||", "7|seven|"} << false;
    QTest::addRow("plain, in a store") << QStringList{"1|a|A", "2||", "7|seven|"} << true;
    QTest::addRow("repeated ids: the first answers")
        << QStringList{"4|first|F", "4|second|S", "0|zero|Z", "4|third|"} << false;
    QTest::addRow("Latin-1 and empty texts") << QStringList{"5|Straße|ß", "6||only code", "-3|neg|"} << true;
    QTest::addRow("beyond Latin-1") << QStringList{"1|Łódź|Ł", "2|plain|p", "3|\U0001F6BD|"} << true;
    QStringList cLong;
    for (int i = 0; i < 150; ++i)
        cLong << QStringLiteral("%1|v%2|c%2").arg(i % 70).arg(i);
    QTest::addRow("long list with an index") << cLong << false;
    QTest::addRow("long list with an index, in a store") << cLong << true;
    QTest::addRow("a block larger than the store's first chunk")
        << QStringList{QStringLiteral("1|%1|c").arg(QString(60000, QChar(0x141))), "2|x|y"} << true;
    QTest::addRow("a text too long for a compact row")
        << QStringList{"1|short|", QStringLiteral("2|%1|c").arg(QString(70000, QLatin1Char('v'))), "3||x"} << true;
}

void TestModel::compactListsAnswerAlike()
{
    // The reader fills lists compactly; they must answer as lists of
    // property objects answer, also once they have turned into objects.
    QFETCH(QStringList, properties);
    QFETCH(bool, bStore);
    // Blocks before and after, so that a list reaching beyond its own would
    // answer wrongly.
    CPropertyStore cStore;
    CPropertyList::Builder cBuilder;
    CPropertyList cBefore;
    cBuilder.append(9, QStringLiteral("before"), QStringLiteral("B"));
    cBefore.assign(cBuilder, &cStore);
    cBuilder.append(1, QStringLiteral("left over"), QString()); // cleared below
    cBuilder.clear();
    CPropertyList objects;
    for (const QString &sProperty : properties) {
        const QStringList parts = sProperty.split(QLatin1Char('|'));
        cBuilder.append(parts.at(0).toInt(), parts.at(1), parts.at(2));
        auto *cProperty = new CProperty(parts.at(0).toInt());
        cProperty->setValue(parts.at(1));
        cProperty->setCode(parts.at(2));
        objects.add(cProperty);
    }
    CPropertyList compact;
    compact.add(new CProperty(12345)); // replaced by the assignment
    compact.assign(cBuilder, bStore ? &cStore : nullptr);
    CPropertyList cAfter;
    cBuilder.clear();
    cBuilder.append(8, QStringLiteral("after"), QString());
    cAfter.assign(cBuilder, &cStore);
    const auto answers = [](const CPropertyList &list) {
        QStringList cAnswers{QString::number(list.count())};
        for (int i = -1; i <= list.count(); ++i)
            cAnswers << QString::number(list.idAt(i));
        for (int iId = -4; iId < 72; ++iId)
            cAnswers << QStringLiteral("%1:%2:%3:%4")
                            .arg(iId)
                            .arg(list.contains(iId))
                            .arg(list.valueOf(iId), list.codeOf(iId));
        return cAnswers;
    };
    const QStringList cExpected = answers(objects);
    QCOMPARE(answers(compact), cExpected);

    // Asked by pointer, the compact list hands out objects that stay put.
    const CProperty *cFirstFour = compact.findProperty(4);
    QCOMPARE(cFirstFour != nullptr, objects.findProperty(4) != nullptr);
    if (cFirstFour)
        QCOMPARE(cFirstFour->value(), objects.findProperty(4)->value());
    QCOMPARE(answers(compact), cExpected);
    QCOMPARE(compact.findProperty(4), cFirstFour);
    for (int i = 0; i < compact.count(); ++i)
        QCOMPARE(compact.propertyAt(i)->id(), objects.propertyAt(i)->id());

    // Objects added afterwards join the list at its end, once.
    auto *cAdded = new CProperty(100);
    cAdded->setValue(QStringLiteral("late"));
    compact.add(cAdded);
    compact.add(cAdded);
    QCOMPARE(compact.count(), properties.size() + 1);
    QCOMPARE(compact.idAt(properties.size()), 100);
    QCOMPARE(compact.valueOf(100), QStringLiteral("late"));
    QCOMPARE(compact.findProperty(100), cAdded);
    QCOMPARE(cBefore.valueOf(9), QStringLiteral("before"));
    QCOMPARE(cAfter.valueOf(8), QStringLiteral("after"));
}

QTEST_GUILESS_MAIN(TestModel)
#include "tst_model.moc"
