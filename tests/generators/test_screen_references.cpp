#include "TestSupport.h"
#include "generators/MobileClientActivity.h"

// Lines that name a referenced object by its display member, for display members of every kind.
class ScreenReferencesTest : public QObject {
    Q_OBJECT

    static QStringList linesWith(const QString& text, const QString& part) {
        QStringList found;
        for (const QString& line : text.split("\r\n")) {
            if (line.contains(part)) {
                found << line;
            }
        }
        return found;
    }

  private slots:
    void displayMembersThatAreNotTextAreMadeText() {
        const TProjectModel project =
            testing::ProjectBuilder()
                .cls("City", "城市",
                     {{.name = "cityId", .type = kTypeInteger, .key = true, .display = true}})
                .cls("Shop", "商店",
                     {{.name = "shopNo", .type = kTypeString, .key = true, .display = true}})
                .cls("Trip", "行程",
                     {{.name = "tripNo", .type = kTypeString, .key = true, .display = true},
                      {.name = "toCity", .type = "City", .query = true},
                      {.name = "shop", .type = "Shop", .query = true}})
                .build();
        const TGeneratedFiles screens =
            TMobileClientActivity::Generate(project, project.classes[2]);
        QCOMPARE(screens.size(), 5);
        const QString& add = screens[0].text;
        const QString& detail = screens[3].text;
        const QString& query = screens[4].text;
        QCOMPARE(linesWith(add, "_ShowText[i] ="),
                 QStringList({"\t\t\ttoCity_ShowText[i] = cityList.get(i).getCityId() + \"\";",
                              "\t\t\tshop_ShowText[i] = shopList.get(i).getShopNo();"}));
        QCOMPARE(linesWith(detail, ".setText(city"),
                 QStringList{"\t\tthis.TV_toCity.setText(city.getCityId() + \"\");"});
        QCOMPARE(linesWith(detail, ".setText(shop"),
                 QStringList{"\t\tthis.TV_shop.setText(shop.getShopNo());"});
        QCOMPARE(linesWith(query, "_ShowText[i] ="),
                 QStringList({"\t\t\ttoCity_ShowText[i] = cityList.get(i-1).getCityId() + \"\";",
                              "\t\t\tshop_ShowText[i] = shopList.get(i-1).getShopNo();"}));
    }
};

QTEST_GUILESS_MAIN(ScreenReferencesTest)
#include "test_screen_references.moc"
