#include "metadata/metadatacatalogue.h"

namespace {

struct Row {
    const char* prefix;
    const char* label;
    const char* tagCode;
    const char* metadataCode;
};

struct CategoryRows {
    const char* name;
    std::initializer_list<Row> rows;
};

const CategoryRows kCatalogue[] = {
    {"File Details", {{"FILEINFO", "Filename", "<FILEINFO_Filename>", "Filename"}}},
    {"Numerical Sequences",
     {{"SEQUENCES", "Number Sequence", "<SEQUENCES_Number_Sequence>", "Number Sequence"}}},
    {"EXIF",
     {{"EXIF", "Date", "<EXIF_Date>", "Date"},
      {"EXIF", "Time", "<EXIF_Time>", "Time"},
      {"EXIF", "Device Make", "<EXIF_Device_Make>", "Device Make"},
      {"EXIF", "Device Model", "<EXIF_Device_Model>", "Device Model"},
      {"EXIF", "Dimensions", "<EXIF_Dimensions>", "Dimensions"},
      {"EXIF", "Comments", "<EXIF_Comments>", "UserComment"}}},
    {"IPTC - Description",
     {{"IPTC - Description", "Document Title", "<IPTC_Description_Document_Title>", "ObjectName"},
      {"IPTC - Description", "Author", "<IPTC_Description_Author>", "Byline"},
      {"IPTC - Description", "Author Title", "<IPTC_Description_Author_Title>", "BylineTitle"},
      {"IPTC - Description", "Description", "<IPTC_Description_Description>", "Caption/Abstract"},
      {"IPTC - Description", "Description Writer", "<IPTC_Description_Description_Writer>", "Writer/Editor"},
      {"IPTC - Description", "Copyright Status", "<IPTC_Description_Copyright_Status>", "CopyrightStatus"},
      {"IPTC - Description", "Copyright Notice", "<IPTC_Description_Copyright_Notice>", "CopyrightNotice"},
      {"IPTC - Description", "Copyright Info URL", "<IPTC_Description_Copyright_Info_URL>", "CopyrightInfoURL"},
      {"IPTC - Description", "Urgency", "<IPTC_Description_Urgency>", "Urgency"}}},
    {"IPTC - Keywords", {{"IPTC - Keywords", "Keywords", "<IPTC_Keywords>", "Keywords"}}},
    {"IPTC - Supplemental Categories",
     {{"IPTC - Categories", "Categories", "<IPTC_Categories>", "SupplementalCategory"}}},
    {"IPTC - Contact",
     {{"IPTC - Contact", "Address", "<IPTC_Contact_Address>", "CreatorContactInfo@CiAdrExtadr"},
      {"IPTC - Contact", "City", "<IPTC_Contact_City>", "CreatorContactInfo@CiAdrCity"},
      {"IPTC - Contact", "State/Province", "<IPTC_Contact_State>", "CreatorContactInfo@CiAdrRegion"},
      {"IPTC - Contact", "Postal Code", "<IPTC_Contact_Postal_Code>", "CreatorContactInfo@CiAdrPcode"},
      {"IPTC - Contact", "Country", "<IPTC_Contact_Country>", "CreatorContactInfo@CiAdrCtry"},
      {"IPTC - Contact", "Phone", "<IPTC_Contact_Phone>", "CreatorContactInfo@CiTelWork"},
      {"IPTC - Contact", "Email", "<IPTC_Contact_Email>", "CreatorContactInfo@CiEmailWork"},
      {"IPTC - Contact", "Website", "<IPTC_Contact_Website>", "CreatorContactInfo@CiUrlWork"}}},
    {"IPTC - Origin",
     {{"IPTC - Origin", "Date Created", "<IPTC_Origin_Date_Created>", "Date_Created"},
      {"IPTC - Origin", "Time Created", "<IPTC_Origin_Time_Created>", "TimeCreated"},
      {"IPTC - Origin", "City", "<IPTC_Origin_City>", "City"},
      {"IPTC - Origin", "Location", "<IPTC_Origin_Location>", "SubLocation"},
      {"IPTC - Origin", "State/Province", "<IPTC_Origin_State>", "Province/State"},
      {"IPTC - Origin", "Country", "<IPTC_Origin_Country>", "Country/PrimaryLocationName"},
      {"IPTC - Origin", "Country Code", "<IPTC_Origin_Country_Code>", "Country/PrimaryLocationCode"},
      {"IPTC - Origin", "Credit", "<IPTC_Origin_Credit>", "Credit"},
      {"IPTC - Origin", "Source", "<IPTC_Origin_Source>", "Source"},
      {"IPTC - Origin", "Headline", "<IPTC_Origin_Headline>", "Headline"},
      {"IPTC - Origin", "Instructions", "<IPTC_Origin_Instructions>", "SpecialInstructions"},
      {"IPTC - Origin", "Transmission Ref", "<IPTC_Origin_Transmission_Ref>", "OriginalTransmissionReference"}}},
    {"IPTC - Image",
     {{"IPTC - Image", "Rights Usage Terms", "<IPTC_Image_Rights_Usage_Terms>", "UsageTerms"},
      {"IPTC - Image", "Intellectual Genre", "<IPTC_Image_Intellectual_Genre>", "ObjectAttributeReference"},
      {"IPTC - Image", "Scene", "<IPTC_Image_Scene>", "Scene"},
      {"IPTC - Image", "Subject Code", "<IPTC_Image_Subject_Code>", "SubjectReference"}}},
};

} // namespace

MetaDataCatalogue::MetaDataCatalogue()
{
    for (const CategoryRows& c : kCatalogue) {
        MetaDataCategory category;
        category.name = QString::fromUtf8(c.name);
        for (const Row& r : c.rows)
            category.fields.append(MetaDataField::initWithLabelAndTagCode(
                QString::fromUtf8(r.prefix), QString::fromUtf8(r.label),
                QString::fromUtf8(r.tagCode), QString::fromUtf8(r.metadataCode)));
        categories_.append(category);
    }
}

int MetaDataCatalogue::fieldCount() const
{
    int n = 0;
    for (const MetaDataCategory& c : categories_)
        n += int(c.fields.size());
    return n;
}

std::optional<MetaDataField> MetaDataCatalogue::fieldForTagCode(const QString& tagCode) const
{
    for (const MetaDataCategory& c : categories_) {
        for (const MetaDataField& f : c.fields) {
            if (f.tagCode == tagCode) {
                MetaDataField copy = f;
                copy.metadataValue = QVariant();
                return copy;
            }
        }
    }
    return std::nullopt;
}

QString MetaDataCatalogue::getTagValue(const QString& tagCode) const
{
    for (const MetaDataCategory& c : categories_) {
        const MetaDataField* found = nullptr;
        for (const MetaDataField& f : c.fields) {
            if (f.tagCode == tagCode)
                found = &f;
        }
        if (found)
            return found->metadataValue.toString();
    }
    return QString();
}

const QStringList& MetaDataCatalogue::audioTokens()
{
    static const QStringList tokens = {
        QStringLiteral("<Artist>"), QStringLiteral("<Year>"),     QStringLiteral("<Genre>"),
        QStringLiteral("<Title>"),  QStringLiteral("<Album>"),    QStringLiteral("<Comments>"),
        QStringLiteral("<TrackNumber>"), QStringLiteral("<Composer>")};
    return tokens;
}

QString MetaDataCatalogue::audioToken(int menuTag)
{
    return menuTag >= 1 && menuTag <= 8 ? audioTokens().at(menuTag - 1) : QString();
}
