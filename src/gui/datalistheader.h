#ifndef DATALISTHEADER_H
#define DATALISTHEADER_H

#include <QHeaderView>

/*
 * The column header of the installed applications: fixed in height, its
 * sections as wide as the view sets them. A section's size is therefore
 * known without measuring its title, which a plain header does in a bold
 * face it never draws here; loading that face alone costs more than the
 * rest of the page.
 */
class DataListHeader : public QHeaderView
{
    Q_OBJECT
public:
    explicit DataListHeader(QWidget *parent = nullptr);

protected:
    QSize sectionSizeFromContents(int logicalIndex) const override;
};

#endif // DATALISTHEADER_H
