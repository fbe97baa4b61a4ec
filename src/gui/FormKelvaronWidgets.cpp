#include "gui/FormKelvaronWidgets.h"

#include "gui/ClickableLabel.h"
#include "gui/Pictures.h"

#include <QBoxLayout>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGridLayout>
#include <QHeaderView>
#include <QScrollBar>
#include <QStyle>

#include <initializer_list>
#include <numeric>

namespace kelvaron::gui {
namespace {

constexpr int kClientWidth = 674;
constexpr int kClientHeight = 425;
constexpr int kGridRowHeight = 24;
constexpr int kNumberFieldWidth = 80;
constexpr int kEmblemSide = 112;
constexpr int kMakerLogoSide = 72;

template <typename Widget> Widget* make(QWidget* parent, const char* name) {
    auto* widget = new Widget(parent);
    widget->setObjectName(QLatin1String(name));
    return widget;
}

QLineEdit* edit(QWidget* parent, const char* name, int width = 0) {
    auto* field = make<QLineEdit>(parent, name);
    if (width > 0)
        field->setFixedWidth(width);
    return field;
}

// The caption of `field`: its access key (an "&" in a translated caption) moves the focus to the field.
QLabel* labelFor(QWidget* parent, const char* name, QWidget* field) {
    auto* label = make<QLabel>(parent, name);
    label->setBuddy(field);
    return label;
}

// A label above its field, as the fields below the grids are arranged.
QVBoxLayout* captionAbove(QWidget* parent, const char* labelName, QWidget* field) {
    auto* column = new QVBoxLayout;
    column->setSpacing(2);
    column->addWidget(labelFor(parent, labelName, field));
    column->addWidget(field);
    return column;
}

// A grid of whole-row selection without editing in place; rows and header are 24 pixels high.
QTableWidget* grid(QWidget* parent, const char* name, std::initializer_list<int> columnWidths) {
    auto* table = make<QTableWidget>(parent, name);
    table->setColumnCount(static_cast<int>(columnWidths.size()));
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setSelectionMode(QAbstractItemView::SingleSelection);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setWordWrap(false);
    table->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    table->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    table->verticalHeader()->hide();
    table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    table->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    auto* header = table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::Fixed);
    header->setFixedHeight(kGridRowHeight);
    header->setHighlightSections(false);
    header->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    int column = 0;
    for (const int width : columnWidths)
        table->setColumnWidth(column++, width);
    const int columns = std::accumulate(columnWidths.begin(), columnWidths.end(), 0);
    table->setFixedWidth(columns + 2 * table->frameWidth() + table->verticalScrollBar()->sizeHint().width());
    return table;
}

// An explanatory text: read-only, word-wrapped, in Arial on a slightly darker ground.
QPlainTextEdit* explanation(QWidget* parent, const char* name) {
    auto* memo = make<QPlainTextEdit>(parent, name);
    memo->setReadOnly(true);
    memo->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    memo->setFont(font);
    QPalette palette = memo->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window).darker(104));
    memo->setPalette(palette);
    return memo;
}

QLabel* picture(QWidget* parent, const char* name, const QPixmap& pixmap) {
    auto* image = make<QLabel>(parent, name);
    image->setPixmap(pixmap);
    image->setFixedSize(pixmap.size());
    return image;
}

QWidget* addPage(QTabWidget* pages, const char* name) {
    auto* page = make<QWidget>(pages, name);
    pages->addTab(page, QString());
    return page;
}

void buildDesignPage(QWidget* page, FormKelvaronWidgets& w, const QPixmap& logo) {
    auto* layout = new QGridLayout(page);
    layout->setColumnMinimumWidth(1, 330);
    w.editStudName = edit(page, "EditStudName", 330);
    w.editAnz = edit(page, "EditAnz", kNumberFieldWidth);
    w.editArme = edit(page, "EditArme", kNumberFieldWidth);
    w.checkBoxZentren = make<QCheckBox>(page, "CheckBoxZentren"); // created in the order of the focus chain
    w.editZentren = edit(page, "EditZentren", kNumberFieldWidth);
    layout->addWidget(labelFor(page, "LabelStudName", w.editStudName), 0, 0);
    layout->addWidget(w.editStudName, 0, 1, Qt::AlignLeft);
    layout->addWidget(labelFor(page, "LabelSampleSizePlanned", w.editAnz), 1, 0);
    layout->addWidget(w.editAnz, 1, 1, Qt::AlignLeft);
    layout->addWidget(labelFor(page, "LabelArmCount", w.editArme), 2, 0);
    layout->addWidget(w.editArme, 2, 1, Qt::AlignLeft);
    layout->addWidget(w.checkBoxZentren, 3, 0, 1, 2);
    layout->addWidget(labelFor(page, "LabelCenterCount", w.editZentren), 4, 0);
    layout->addWidget(w.editZentren, 4, 1, Qt::AlignLeft);
    layout->addWidget(w.imageLogo1 = picture(page, "ImageLogo1", logo), 0, 2, 5, 1,
                      Qt::AlignRight | Qt::AlignTop);
    layout->setRowStretch(5, 1);
    layout->setColumnStretch(2, 1);
    layout->setVerticalSpacing(10);
}

void buildArmsPage(QWidget* page, FormKelvaronWidgets& w) {
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(w.stringGridArme = grid(page, "StringGridArme", {64, 340, 182}), 1);
    auto* fields = new QHBoxLayout;
    w.editCArm = edit(page, "EditCArm", 64);
    w.editCArm->setEnabled(false);
    fields->addLayout(captionAbove(page, "LabelArm", w.editCArm));
    fields->addLayout(captionAbove(page, "LabelArmDescr", w.editCBeschr = edit(page, "EditCBeschr", 340)));
    fields->addLayout(
        captionAbove(page, "LabelRatio", w.editCRatio = edit(page, "EditCRatio", kNumberFieldWidth)));
    fields->addStretch();
    layout->addLayout(fields);
}

void buildCentersPage(QWidget* page, FormKelvaronWidgets& w) {
    auto* layout = new QVBoxLayout(page);
    auto* top = new QHBoxLayout;
    // Wider first and last columns than the 64 pixels of the arms grid, so that "Zentrum 10" and the heading
    // "Geplante Fallzahl" are not cut off.
    top->addWidget(w.stringGridZentren = grid(page, "StringGridZentren", {84, 60, 262, 112}));
    auto* sum = new QVBoxLayout;
    w.editSumme = edit(page, "EditSumme", kNumberFieldWidth);
    w.editSumme->setReadOnly(true);
    sum->addLayout(captionAbove(page, "LabelCenterSum", w.editSumme));
    sum->addStretch();
    top->addLayout(sum);
    top->addStretch();
    layout->addLayout(top, 1);
    auto* fields = new QHBoxLayout;
    w.editAZentrum = edit(page, "EditAZentrum", 84);
    w.editAZentrum->setEnabled(false);
    fields->addLayout(captionAbove(page, "LabelCenter", w.editAZentrum));
    fields->addLayout(captionAbove(page, "LabelCenterId", w.editANummer = edit(page, "EditANummer", 60)));
    fields->addLayout(captionAbove(page, "LabelCenterDescr", w.editABeschr = edit(page, "EditABeschr", 262)));
    fields->addLayout(
        captionAbove(page, "LabelSampleSize", w.editAFallzahl = edit(page, "EditAFallzahl", 112)));
    fields->addStretch();
    layout->addLayout(fields);
}

void buildBlocksPage(QWidget* page, FormKelvaronWidgets& w) {
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(make<QLabel>(page, "LabelBlockSize"));
    auto* sizes = new QGridLayout;
    sizes->addWidget(w.radioButton1 = make<QRadioButton>(page, "RadioButton1"), 0, 0);
    sizes->addWidget(w.editFix = edit(page, "EditFix", kNumberFieldWidth), 0, 1);
    sizes->addWidget(w.radioButton2 = make<QRadioButton>(page, "RadioButton2"), 1, 0);
    sizes->addWidget(w.editVon = edit(page, "EditVon", kNumberFieldWidth), 1, 1);
    w.editBis = edit(page, "EditBis", kNumberFieldWidth);
    sizes->addWidget(labelFor(page, "LabelTo", w.editBis), 1, 2);
    sizes->addWidget(w.editBis, 1, 3);
    sizes->setColumnStretch(4, 1);
    layout->addLayout(sizes);
    layout->addSpacing(8);
    layout->addWidget(explanation(page, "Memo2"), 1);
}

void buildRandomGeneratorPage(QWidget* page, FormKelvaronWidgets& w) {
    auto* layout = new QVBoxLayout(page);
    w.editZZ = edit(page, "EditZZ", 120);
    w.editZZ->setReadOnly(true);
    layout->addWidget(labelFor(page, "LabelStartValue", w.editZZ));
    auto* seed = new QHBoxLayout;
    seed->addWidget(w.editZZ);
    seed->addWidget(w.buttonZZ = make<QPushButton>(page, "ButtonZZ"));
    seed->addSpacing(12);
    seed->addWidget(w.labelMinMaxSeed = make<QLabel>(page, "LabelMinMaxSeed"));
    seed->addStretch();
    layout->addLayout(seed);
    layout->addSpacing(8);
    layout->addWidget(explanation(page, "Memo1"), 1);
}

void buildListPage(QWidget* page, FormKelvaronWidgets& w) {
    auto* layout = new QHBoxLayout(page);
    w.richEditList = make<ListView>(page, "RichEditList");
    w.richEditList->setLineWrapMode(QPlainTextEdit::NoWrap);
    w.richEditList->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    w.richEditList->setTabChangesFocus(false);
    QFont listFont = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    listFont.setPixelSize(13);
    w.richEditList->setFont(listFont);
    w.richEditList->setTabStopDistance(8 * QFontMetricsF(listFont).horizontalAdvance(QLatin1Char(' ')));
    layout->addWidget(w.richEditList, 1);
    auto* commands = new QVBoxLayout;
    commands->addWidget(w.bitBtnStart = make<QPushButton>(page, "BitBtnStart"));
    commands->addWidget(w.checkBoxBlocks = make<QCheckBox>(page, "CheckBoxBlocks"));
    commands->addWidget(w.checkBoxSeed = make<QCheckBox>(page, "CheckBoxSeed"));
    commands->addStretch();
    commands->addWidget(w.bitBtnExport = make<QPushButton>(page, "BitBtnExport"));
    commands->addWidget(w.bitBtnReport = make<QPushButton>(page, "BitBtnReport"));
    commands->addWidget(w.bitBtnPrint = make<QPushButton>(page, "BitBtnPrint"));
    commands->addWidget(w.bitBtnClipboard = make<QPushButton>(page, "BitBtnClipboard"));
    layout->addLayout(commands);
}

void buildInfoPage(QWidget* page, FormKelvaronWidgets& w, const QPixmap& logo) {
    auto* layout = new QGridLayout(page);
    layout->addWidget(w.imageLogo = picture(page, "ImageLogo", makerLogo(kMakerLogoSide)), 0, 0, 4, 1,
                      Qt::AlignTop);
    auto* company = make<QLabel>(page, "LabelCompany1");
    QFont companyFont = company->font();
    companyFont.setBold(true);
    companyFont.setPixelSize(16);
    company->setFont(companyFont);
    layout->addWidget(company, 0, 1);
    layout->addWidget(make<QLabel>(page, "LabelCompany2"), 1, 1);
    w.labelWWW = make<ClickableLabel>(page, "LabelWWW");
    QFont linkFont = w.labelWWW->font();
    linkFont.setUnderline(true);
    w.labelWWW->setFont(linkFont);
    QPalette linkPalette = w.labelWWW->palette();
    linkPalette.setColor(QPalette::WindowText, Qt::blue);
    w.labelWWW->setPalette(linkPalette);
    w.labelWWW->setCursor(Qt::PointingHandCursor);
    layout->addWidget(w.labelWWW, 2, 1, Qt::AlignLeft);
    layout->addWidget(w.imageLogo2 = picture(page, "ImageLogo2", logo), 0, 2, 4, 1,
                      Qt::AlignRight | Qt::AlignTop);
    layout->addWidget(w.bitBtnSelftest = make<QPushButton>(page, "BitBtnSelftest"), 4, 0, 1, 3,
                      Qt::AlignLeft | Qt::AlignBottom);
    layout->setColumnStretch(1, 1);
    layout->setRowStretch(3, 1);
    layout->setHorizontalSpacing(16);
}

QPushButton* button(QWidget* form, const char* name, QStyle::StandardPixmap icon) {
    auto* result = make<QPushButton>(form, name);
    result->setIcon(form->style()->standardIcon(icon));
    return result;
}

} // namespace

FormKelvaronWidgets buildFormKelvaron(QWidget& form) {
    FormKelvaronWidgets w;
    form.setFixedSize(kClientWidth, kClientHeight);
    QFont font(QStringLiteral("MS Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(13);
    // Where "MS Sans Serif" is missing, Arial (or a font of its metrics) keeps the texts in their space.
    if (!QFontInfo(font).exactMatch())
        font.setFamily(QStringLiteral("Arial"));
    form.setFont(font);

    const QPixmap logo = logoFilePicture().value_or(programEmblem(kEmblemSide));
    w.pageControl1 = make<QTabWidget>(&form, "PageControl1");
    buildDesignPage(addPage(w.pageControl1, "TabSheetDesign"), w, logo);
    buildArmsPage(addPage(w.pageControl1, "TabSheetArme"), w);
    buildCentersPage(addPage(w.pageControl1, "TabSheetZentren"), w);
    buildBlocksPage(addPage(w.pageControl1, "TabSheetBlock"), w);
    buildRandomGeneratorPage(addPage(w.pageControl1, "TabSheetZufall"), w);
    buildListPage(addPage(w.pageControl1, "TabSheetListe"), w);
    buildInfoPage(addPage(w.pageControl1, "TabSheetInfo"), w, logo);

    auto* layout = new QVBoxLayout(&form);
    layout->setContentsMargins(8, 8, 8, 8);
    layout->addWidget(w.pageControl1, 1);
    auto* navigation = new QHBoxLayout;
    navigation->addStretch();
    navigation->addWidget(w.bitBtnBack = button(&form, "BitBtnBack", QStyle::SP_ArrowBack));
    navigation->addWidget(w.bitBtnNext = button(&form, "BitBtnNext", QStyle::SP_ArrowForward));
    // The picture of "weiter" stands to the right of its caption.
    w.bitBtnNext->setLayoutDirection(Qt::RightToLeft);
    layout->addLayout(navigation);
    auto* files = new QHBoxLayout;
    files->addWidget(w.bitBtnLoad = button(&form, "BitBtnLoad", QStyle::SP_DialogOpenButton));
    files->addWidget(w.bitBtnSave = button(&form, "BitBtnSave", QStyle::SP_DialogSaveButton));
    files->addStretch();
    files->addWidget(w.bitBtnClose = button(&form, "BitBtnClose", QStyle::SP_DialogCloseButton));
    layout->addLayout(files);
    return w;
}

} // namespace kelvaron::gui
