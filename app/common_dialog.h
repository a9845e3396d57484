#pragma once
// CommonDialog1: the main window's one printer and the dialogs shown on it.
// What the user chooses in them (printer, paper, orientation, output file)
// stays with the printer for every later report and set-up.
//
// The printer dialog has two forms: the print form that reports show at
// first, and the set-up form of the printer set-up command. Once the set-up
// form has been shown, reports show it too.
#include <memory>

#include <QObject>
#include <QPrinter>

class QWidget;

namespace app {

class CommonDialog : public QObject {
    Q_OBJECT
public:
    enum class Form { Print, SetUp };

    explicit CommonDialog(QObject* parent = nullptr);

    // Made on first use: the print system's libraries stay unloaded until
    // the user prints or sets up the printer.
    QPrinter& printer();
    Form form() const { return form_; }

    // The printer dialog in its current form, modal over `owner`; true when
    // the user chose to go on, false for a cancel.
    bool showPrinter(QWidget* owner);

    // The set-up form (printer, and with its properties paper and
    // orientation), which stays the form of later printer dialogs. Its
    // outcome is of no further use: a cancel leaves the printer as it was.
    void showPrinterSetUp(QWidget* owner);

private:
    std::unique_ptr<QPrinter> printer_;
    Form form_ = Form::Print;
};

// The title of the set-up form.
inline constexpr const char* kPrinterSetUpTitle = "ตั้งค่าเครื่องพิมพ์";

}  // namespace app
