#ifndef WNAPPINFOWIDGET_H
#define WNAPPINFOWIDGET_H

#include "tpeinfo.h"

#include <QWidget>

class LLineEdit;
class QCheckBox;
class QLabel;
class QPushButton;

/*
 * First page of a local install: the program's name, version, file type and
 * icon as read from the file, the name editable, and the privacy agreement
 * that must be accepted before going on.
 */
class WnAppInfoWidget : public QWidget
{
    Q_OBJECT
public:
    explicit WnAppInfoWidget(QWidget *parent = nullptr);

    void setPeInfo(const TPeInfo &info);
    // The record last given, with the name and version as the user left them.
    TPeInfo peInfo() const;

    QPushButton *nextButton() const { return m_nextButton; }
    LLineEdit *nameEditor() const { return m_nameEdit; }
    QCheckBox *agreementBox() const { return m_agreementBox; }

    // Opens the name editor, as the edit button does.
    void startEditing();

private:
    void buildLayout();
    void setupNameEditor();
    void onEditingFinished();
    void updateNextButton();

    QLabel *m_titleLabel;
    QLabel *m_iconLabel;
    QLabel *m_fileTypeLabel;
    LLineEdit *m_nameEdit;
    QLabel *m_nameLabel;
    QPushButton *m_editButton;
    QLabel *m_versionLabel;
    QCheckBox *m_agreementBox;
    QLabel *m_agreementLink;
    QPushButton *m_nextButton;
    bool m_hasPeInfo = false;
    TPeInfo m_peInfo;
};

#endif // WNAPPINFOWIDGET_H
