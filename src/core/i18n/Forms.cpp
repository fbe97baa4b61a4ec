#include "core/i18n/Forms.h"

#include "core/text/CodePage.h"

#include <initializer_list>
#include <string_view>

namespace kelvaron {
namespace {

// The published text properties follow the toolkit: every control publishes Hint; labels, buttons,
// check boxes, radio buttons, tab sheets and panels also publish Caption; edits, memos, rich edits,
// grids, images, page controls and progress bars publish no Caption; timers and dialogs publish neither.

std::string text(std::string_view utf8) {
    return cp1252FromUtf8(utf8);
}

FormComponent captioned(std::string_view name, std::string_view className, std::string_view captionUtf8,
                        std::string_view hintUtf8 = {}) {
    return {.name = std::string(name),
            .className = std::string(className),
            .caption = text(captionUtf8),
            .hint = text(hintUtf8)};
}

FormComponent label(std::string_view name, std::string_view captionUtf8) {
    return captioned(name, "TLabel", captionUtf8);
}

FormComponent bitBtn(std::string_view name, std::string_view captionUtf8) {
    return captioned(name, "TBitBtn", captionUtf8);
}

FormComponent checkBox(std::string_view name, std::string_view captionUtf8) {
    return captioned(name, "TCheckBox", captionUtf8);
}

FormComponent tabSheet(std::string_view name, std::string_view captionUtf8) {
    return captioned(name, "TTabSheet", captionUtf8);
}

// A control without a Caption property.
FormComponent hinted(std::string_view name, std::string_view className) {
    return {.name = std::string(name), .className = std::string(className), .hint = std::string()};
}

FormComponent edit(std::string_view name) {
    return hinted(name, "TEdit");
}

// A non-visual component: no text property at all.
FormComponent nonVisual(std::string_view name, std::string_view className) {
    return {.name = std::string(name), .className = std::string(className)};
}

FormComponent memo(std::string_view name, std::initializer_list<std::string_view> linesUtf8) {
    FormComponent component = hinted(name, "TMemo");
    for (const auto line : linesUtf8)
        component.lines.push_back(text(line));
    return component;
}

void addDesignPage(FormTable& form) {
    form.components.insert(form.components.end(),
                           {
                               tabSheet("TabSheetDesign", "Studiendesign"),
                               label("LabelStudName", "Bezeichnung der Studie"),
                               edit("EditStudName"),
                               label("LabelSampleSizePlanned", "Geplante Patientenzahl"),
                               edit("EditAnz"),
                               label("LabelArmCount", "Anzahl der Studienarme"),
                               edit("EditArme"),
                               checkBox("CheckBoxZentren", "&Randomisierungsliste für jedes Zentrum"),
                               label("LabelCenterCount", "Anzahl der Zentren"),
                               edit("EditZentren"),
                               hinted("ImageLogo1", "TImage"),
                           });
}

void addArmsPage(FormTable& form) {
    form.components.insert(form.components.end(), {
                                                      tabSheet("TabSheetArme", "Studienarme"),
                                                      hinted("StringGridArme", "TStringGrid"),
                                                      label("LabelArm", "Arm"),
                                                      edit("EditCArm"),
                                                      label("LabelArmDescr", "Beschreibung"),
                                                      edit("EditCBeschr"),
                                                      label("LabelRatio", "Ratio"),
                                                      edit("EditCRatio"),
                                                  });
}

void addCentersPage(FormTable& form) {
    form.components.insert(form.components.end(), {
                                                      tabSheet("TabSheetZentren", "Studienzentren"),
                                                      hinted("StringGridZentren", "TStringGrid"),
                                                      label("LabelCenterSum", "Summe"),
                                                      edit("EditSumme"),
                                                      label("LabelCenter", "Zentrum"),
                                                      edit("EditAZentrum"),
                                                      label("LabelCenterId", "Nummer"),
                                                      edit("EditANummer"),
                                                      label("LabelCenterDescr", "Beschreibung"),
                                                      edit("EditABeschr"),
                                                      label("LabelSampleSize", "Geplante Fallzahl"),
                                                      edit("EditAFallzahl"),
                                                  });
}

void addBlocksPage(FormTable& form) {
    form.components.insert(
        form.components.end(),
        {
            tabSheet("TabSheetBlock", "Blöcke"),
            label("LabelBlockSize", "Blockgröße"),
            captioned("RadioButton1", "TRadioButton", "fest"),
            edit("EditFix"),
            captioned("RadioButton2", "TRadioButton", "variabel",
                      "Größe der Blöcke wird per Zufallsgenerator vorgegeben"),
            edit("EditVon"),
            label("LabelTo", "bis"),
            edit("EditBis"),
            memo("Memo2",
                 {
                     "Über die Blockgröße kann angegeben werden, nach welcher Patientenzahl das ",
                     "Verhältnis der Studienarme ausgeglichen sein soll.",
                     "Bedingungen:",
                     "   1) die Fallzahl der Studie muß durch die Blockgröße teilbar sein",
                     "   2) - die Blockgröße muß durch die Anzahl der Studienarme teilbar sein (bei Gleich-",
                     "         verteilung der Studienarme - Ratio jeweils gleich 1)",
                     "       bzw.  ",
                     "       - die Blockgröße muß durch die Summe der Ratios teilbar sein (bei ungleicher",
                     "         Verteilung der Studienarme - bei min. einem Arm Ratio größer als 1)",
                     "",
                 }),
        });
}

void addRandomGeneratorPage(FormTable& form) {
    form.components.insert(
        form.components.end(),
        {
            tabSheet("TabSheetZufall", "Zufallsgenerator"),
            label("LabelStartValue", "Startwert für Zufallsgenrator (Seed)"),
            edit("EditZZ"),
            captioned("ButtonZZ", "TButton", "erzeugen"),
            label("LabelMinMaxSeed", "1 - MAXLONG"),
            memo("Memo1",
                 {
                     "Mit vorgegebenem Startwert können Randomisierungslisten reproduziert ",
                     "werden. Dieser Werte darf erst nach Abschluß der Randomisierungsphase ",
                     "bzw. nach Aufhebung der Verblindung bekanntgegeben werden, da mit ",
                     "diesem Programm daraus die gleiche Folge Zufallszahlen generiert werden ",
                     "kann. Mit dem Button 'erzeugen' wird unter Verwendung der Systemzeit ",
                     "eine Pseudozufallszahl als Startwert vorgeschlagen.",
                     "Zur Erzeugung der Zufallszahlen wird der Algorithmus von Park und Miller ",
                     "mit Bays-Durham-Korrektur verwendet.",
                 }),
        });
}

void addListPage(FormTable& form) {
    form.components.insert(form.components.end(), {
                                                      tabSheet("TabSheetListe", "Liste ausgeben"),
                                                      bitBtn("BitBtnStart", "Generieren"),
                                                      checkBox("CheckBoxBlocks", "Blöcke markieren"),
                                                      checkBox("CheckBoxSeed", "Seed ausgeben"),
                                                      hinted("RichEditList", "TRichEdit"),
                                                      bitBtn("BitBtnExport", "Export"),
                                                      bitBtn("BitBtnReport", "Bericht"),
                                                      bitBtn("BitBtnPrint", "Drucken"),
                                                      bitBtn("BitBtnClipboard", "Kopieren"),
                                                  });
}

void addInfoPage(FormTable& form) {
    form.components.insert(form.components.end(),
                           {
                               tabSheet("TabSheetInfo", "Info"),
                               hinted("ImageLogo", "TImage"),
                               hinted("ImageLogo2", "TImage"),
                               label("LabelCompany1", "Morvex Software"),
                               label("LabelCompany2", "Randomisierungslisten für klinische Studien"),
                               label("LabelWWW", "https://kelvaron.example"),
                               bitBtn("BitBtnSelftest", "Selbsttest"),
                           });
}

} // namespace

FormTable makeFormKelvaron() {
    FormTable form{"FormKelvaron", text("Morvex Kelvaron Version 1.5"), {}};
    form.components.push_back(hinted("PageControl1", "TPageControl"));
    addDesignPage(form);
    addArmsPage(form);
    addCentersPage(form);
    addBlocksPage(form);
    addRandomGeneratorPage(form);
    addListPage(form);
    addInfoPage(form);
    form.components.insert(form.components.end(), {
                                                      bitBtn("BitBtnBack", "&zurück"),
                                                      bitBtn("BitBtnNext", "&weiter"),
                                                      bitBtn("BitBtnLoad", "Studiendesign öffnen"),
                                                      bitBtn("BitBtnSave", "Studiendesign speichern"),
                                                      bitBtn("BitBtnClose", "Schließen"),
                                                      nonVisual("TimerStart", "TTimer"),
                                                      nonVisual("SaveDialogDesign", "TSaveDialog"),
                                                      nonVisual("OpenDialogDesign", "TOpenDialog"),
                                                      nonVisual("SaveDialogExport", "TSaveDialog"),
                                                  });
    return form;
}

FormTable makeFormDruck() {
    return {"FormDruck",
            text("Druck"),
            {
                captioned("Button2", "TButton", "Drucken"),
                memo("Memo1", {}),
                nonVisual("PrintDialog1", "TPrintDialog"),
            }};
}

FormTable makeFormSelftest() {
    return {"FormSelftest",
            text("Selbsttest"),
            {
                bitBtn("BitBtnClose", "Abbrechen"),
                captioned("PanelSelftest", "TPanel", ""),
                label("Label1", "Zufallszahlen"),
                label("Label2", "Prüfsumme"),
                label("Label3", "Ergebnis"),
                edit("EditZZ"),
                edit("EditSum"),
                edit("EditResult"),
                hinted("ProgressBarZZ", "TProgressBar"),
                nonVisual("TimerStart", "TTimer"),
            }};
}

} // namespace kelvaron
