#pragma once

#include <QDialog>
#include <functional>
#include <memory>

class QButtonGroup;
class QGroupBox;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QTextBrowser;
class QToolButton;

namespace kelpa {

class TInstaladorManager;

// "Instalador do KELPA": choose the kind of installation, the directory (updates
// only), then "Instalar". One attempt per run: afterwards only "Sair" is left.
class TInstaladorKelpaFrm : public QDialog
{
    Q_OBJECT

public:
    // `diretorioInstalador` holds the package (the installer's own directory).
    explicit TInstaladorKelpaFrm(const QString &diretorioInstalador, QWidget *parent = nullptr);
    ~TInstaladorKelpaFrm() override;

    QRadioButton *rbCompleta() const { return m_completa; }
    QRadioButton *rbAtualizacao() const { return m_atualizacao; }
    QGroupBox *grpPasso2() const { return m_passo2; }
    QLineEdit *edDiretorio() const { return m_diretorio; }
    QToolButton *btnProcurar() const { return m_procurar; }
    QListWidget *lstPassos() const { return m_passos; }
    QProgressBar *pgbInstalacao() const { return m_progresso; }
    QTextBrowser *memManual() const { return m_manual; }
    QPushButton *btnInstalar() const { return m_instalar; }
    QPushButton *btnCancelar() const { return m_cancelar; }
    TInstaladorManager *manager() const { return m_manager.get(); }

    void setDiretorio(const QString &diretorio);
    // How the directory is browsed for (tests answer without a dialog).
    void setEscolherDiretorio(std::function<QString(const QString &atual)> escolher) { m_escolher = std::move(escolher); }
    // How the 2007 clean-up is confirmed (defaults to TMsgInconsistenciaForm).
    void setConfirmarLimpeza(std::function<bool()> confirmar) { m_confirmar = std::move(confirmar); }

    static QString textoManual(const QString &passo);

protected:
    bool eventFilter(QObject *objeto, QEvent *evento) override;
    void showEvent(QShowEvent *evento) override;

private:
    void avaliar();
    void instalar();
    void procurar();
    void marcar(int linha);
    void interromper(const QString &motivo);
    void avancarProgresso(bool ateOFim);

    std::unique_ptr<TInstaladorManager> m_manager;
    QButtonGroup *m_tipo = nullptr;
    QRadioButton *m_completa = nullptr;
    QRadioButton *m_atualizacao = nullptr;
    QGroupBox *m_passo1 = nullptr;
    QGroupBox *m_passo2 = nullptr;
    QLineEdit *m_diretorio = nullptr;
    QToolButton *m_procurar = nullptr;
    QListWidget *m_passos = nullptr;
    QProgressBar *m_progresso = nullptr;
    QTextBrowser *m_manual = nullptr;
    QPushButton *m_instalar = nullptr;
    QPushButton *m_cancelar = nullptr;
    std::function<QString(const QString &)> m_escolher;
    std::function<bool()> m_confirmar;
    bool m_executou = false;
    bool m_avaliado = false;
};

} // namespace kelpa
