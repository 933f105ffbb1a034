#pragma once

#include "quadros/cadastro/CadastroPessoas.h"

#include <QWidget>
#include <optional>

class QCheckBox;
class QLabel;
class QTableWidget;

namespace kelpa {

class PainelDetalhe;

// A branch's own data as the person register keeps them, shown only: its address,
// e-mail, phones and fax ("Exterior" ticked, and the code read as "DDI+", for a fax
// abroad). Quadro 7 shows it under the list and in the branch dialog.
class DadosDependencia : public QWidget
{
    Q_OBJECT

public:
    explicit DadosDependencia(QWidget *parent = nullptr);

    // Reads the person's data and phones and shows them; nothing for 0.
    void mostra(const QSqlDatabase &db, const QString &codOper, int idPsoa);

    QLabel *valor(const QString &nome) const;
    QTableWidget *grdTelefones() const { return m_telefones; }
    QCheckBox *chkExterior() const { return m_exterior; }
    QLabel *lblCodigoFax() const { return m_rotuloCodigoFax; }

private:
    PainelDetalhe *m_endereco = nullptr;
    QTableWidget *m_telefones = nullptr;
    QCheckBox *m_exterior = nullptr;
    QLabel *m_rotuloCodigoFax = nullptr;
    QLabel *m_codigoFax = nullptr;
    QLabel *m_numeroFax = nullptr;
};

} // namespace kelpa
