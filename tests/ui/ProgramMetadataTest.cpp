#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QFile>
#include <QLabel>
#include <QXmlStreamReader>
#include <map>

#include "app/Version.h"
#include "app/dialogs/Form8.h"

using namespace torvane;

namespace {

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) ADD_FAILURE() << "cannot read " << path.toStdString();
    return file.readAll();
}

// The attributes of every element of the AppStream metadata by their path
// ("component/releases/release@version"), and the text of the elements in `texts` by theirs
// ("component/id"); the first one of each wins.
std::map<QString, QString> MetainfoFields(const QStringList& texts) {
    std::map<QString, QString> fields;
    QXmlStreamReader xml(ReadFile(TORVANE_TEST_METAINFO));
    QStringList path;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement()) path.removeLast();
        if (!xml.isStartElement()) continue;
        path << xml.name().toString();
        for (const QXmlStreamAttribute& a : xml.attributes())
            fields.emplace(path.join('/') + '@' + a.name().toString(), a.value().toString());
        if (!texts.contains(path.last())) continue;
        fields.emplace(path.join('/'), xml.readElementText());
        path.removeLast();
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return fields;
}

}  // namespace

// The licence file, the metadata and the about box name the same licence; the version and the
// desktop entry's name in the metadata are the build's own.
TEST(ProgramMetadata, LicenceVersionAndNamesAgree) {
    const QString licence = QString::fromUtf8(ReadFile(TORVANE_TEST_SOURCE_DIR "/LICENSE"));
    EXPECT_TRUE(licence.startsWith("MIT License\n"));
    EXPECT_TRUE(licence.contains("Torvane 開発チーム"));

    std::map<QString, QString> fields = MetainfoFields({"id", "project_license", "launchable"});
    EXPECT_EQ(fields["component/project_license"], "MIT");
    EXPECT_EQ(fields["component/releases/release@version"], kVersion);
    EXPECT_EQ(fields["component/launchable"], fields["component/id"] + ".desktop");
    EXPECT_TRUE(QFile::exists(TORVANE_TEST_SOURCE_DIR "/assets/" + fields["component/launchable"]));

    EXPECT_EQ(QCoreApplication::applicationVersion(), kVersion);
    Form8 box(nullptr);
    EXPECT_TRUE(box.findChild<QLabel*>("lblDisclaimer")->text().contains("MITライセンス"));
    EXPECT_EQ(box.findChild<QLabel*>("Label2")->text(), QString("パージョン　") + kVersion);
}
