#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QListWidget;
class QPushButton;
class QTimer;

namespace kelpa {

// "Erro no preenchimento": the fields that still need filling.
class TfrmAvisoPreenchimento : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAvisoPreenchimento(const QStringList &itens, QWidget *parent = nullptr);
    QListWidget *lista() const { return m_lista; }

private:
    QListWidget *m_lista = nullptr;
};

// False, showing nothing, for an empty list; otherwise shows the notice and returns true.
bool MostraAvisoPreenchimento(const QStringList &itens, QWidget *parent = nullptr);

// "AVISO AO USUÁRIO": the legal reminder about registration data, or a given text.
class TfrmAvisoUsuario : public QDialog
{
    Q_OBJECT

public:
    explicit TfrmAvisoUsuario(const QString &texto = {}, QWidget *parent = nullptr);
    QLabel *lblTexto() const { return m_texto; }
    bool textoPadrao() const { return m_textoPadrao; }

protected:
    void keyPressEvent(QKeyEvent *evento) override;
    void closeEvent(QCloseEvent *evento) override;
    // Derived notices (the chart-of-accounts one) show the legal references.
    QLabel *m_referencia1 = nullptr;
    QLabel *m_referencia2 = nullptr;

private:
    QLabel *m_texto = nullptr;
    bool m_textoPadrao = true;
};

void MostraAvisoUsuario(const QString &texto = {}, QWidget *parent = nullptr);

// The start-up window; closes itself after three seconds.
class TFrmSplach : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmSplach(QWidget *parent = nullptr, int milissegundos = 3000);
};

// "Sobre o KELPA".
class TFrmSobre_Kelpa : public QDialog
{
    Q_OBJECT

public:
    explicit TFrmSobre_Kelpa(QWidget *parent = nullptr);
    static QString enderecoQor() { return QStringLiteral("https://www.qor.gov.br"); }
};

// The product's name in full, as the splash and the about box show it.
QString tituloCompletoProduto();
QPixmap logotipoKelpa(int altura);

} // namespace kelpa
