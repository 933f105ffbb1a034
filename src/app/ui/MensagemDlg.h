#pragma once

#include <QDialog>
#include <QFlags>
#include <QPixmap>
#include <QString>
#include <functional>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QToolButton;
class QWidget;

namespace kelpa {

enum class TipoMensagem { Cuidado = 0, Erro = 1, Informacao = 2, Confirmacao = 3, Nenhum = 4 };

// The buttons in the order the box lays them out.
enum class BotaoMensagem : int {
    Sim = 1 << 0,
    Nao = 1 << 1,
    Ok = 1 << 2,
    Cancelar = 1 << 3,
    Abortar = 1 << 4,
    Refazer = 1 << 5,
    Ignorar = 1 << 6,
    Todos = 1 << 7,
    NaoParaTodos = 1 << 8,
    SimParaTodos = 1 << 9,
    Ajuda = 1 << 10,
};
Q_DECLARE_FLAGS(BotoesMensagem, BotaoMensagem)
Q_DECLARE_OPERATORS_FOR_FLAGS(BotoesMensagem)

// What the pressed button answers (the Windows numbering, which callers compare against).
enum ResultadoMensagem : int {
    mrNenhum = 0,
    mrOk = 1,
    mrCancelar = 2,
    mrAbortar = 3,
    mrRefazer = 4,
    mrIgnorar = 5,
    mrSim = 6,
    mrNao = 7,
    mrTodos = 8,
};

// The program's own message box: Portuguese titles and buttons, a memo that grows
// with the message, and a button that prints the screen.
class TfrmMyMessageDlg : public QDialog
{
    Q_OBJECT

public:
    TfrmMyMessageDlg(const QString &texto, TipoMensagem tipo, BotoesMensagem botoes, const QPixmap &figura = {},
                     const QString &titulo = {}, QWidget *parent = nullptr);

    static QString tituloDoTipo(TipoMensagem tipo);
    QList<QPushButton *> botoes() const { return m_botoes; }
    QPlainTextEdit *memo() const { return m_memo; }
    QString texto() const;

private:
    void imprimirTela();

    QLabel *m_imagem = nullptr;
    QPlainTextEdit *m_memo = nullptr;
    QToolButton *m_imprimeTela = nullptr;
    QList<QPushButton *> m_botoes;
};

// Shows the message box modally and returns the pressed button's result.
int MensagemDlg(const QString &texto, TipoMensagem tipo, BotoesMensagem botoes, const QPixmap &figura = {},
                const QString &titulo = {}, QWidget *parent = nullptr);

// Shorthands for the common cases.
void MostraErro(const QString &texto, QWidget *parent = nullptr);
void MostraCuidado(const QString &texto, QWidget *parent = nullptr);
void MostraInformacao(const QString &texto, QWidget *parent = nullptr);
bool Confirma(const QString &texto, QWidget *parent = nullptr); // Sim / Não

// Lets tests answer message boxes without showing them: while an object lives,
// every MensagemDlg call goes to the function instead of the screen.
class DesvioMensagens
{
public:
    struct Chamada {
        QString texto;
        TipoMensagem tipo;
        BotoesMensagem botoes;
        QString titulo;
    };
    using Resposta = std::function<int(const Chamada &)>;

    explicit DesvioMensagens(Resposta resposta);
    ~DesvioMensagens();
    const QList<Chamada> &chamadas() const { return m_chamadas; }

    static DesvioMensagens *ativo();
    int responder(const Chamada &chamada);

private:
    Resposta m_resposta;
    QList<Chamada> m_chamadas;
    DesvioMensagens *m_anterior;
};

} // namespace kelpa
