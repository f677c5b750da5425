// The desktop window driven through its real widgets, found by object name, offscreen.
#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProcess>
#include <QPushButton>
#include <QSlider>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <csignal>
#include <deque>
#include <fstream>
#include <iterator>
#include <memory>

#include "apoio/pasta_temporaria.hpp"
#include "gui/plataforma_qt.hpp"
#include "gui/quadro_widget.hpp"
#include "gui/tform1.hpp"
#include "gui/traducao.hpp"

namespace quindra::gui {
namespace {

// Real message boxes; the file dialogs answer from a queue.
class PlataformaTeste : public PlataformaQt {
public:
    std::deque<std::string> arquivos;

    std::optional<std::string> escolhe_arquivo_para_abrir(const DialogoArquivo&) override {
        return proximo();
    }
    std::optional<std::string> escolhe_arquivo_para_salvar(const DialogoArquivo&) override {
        return proximo();
    }

private:
    std::optional<std::string> proximo() {
        if (arquivos.empty()) return std::nullopt;
        std::string arquivo = arquivos.front();
        arquivos.pop_front();
        return arquivo;
    }
};

// Four points on the axes: seen by the initial camera (C = (0, 0, 200) looking down -z, d = h = 1)
// at pixel columns 300 + 1.5 x and rows 300 - 1.5 y, since the depth of z = 0 is 200.
const char* const TETRAEDRO = "4 4\n0 0 0\n50 0 0\n0 50 0\n0 0 50\n1 2 3\n1 2 4\n2 3 4\n3 1 4\n";

// One window on a fresh working folder.
struct Janela1 {
    Janela1() : forma(plataforma, pasta.caminho()) {
        plataforma.define_janela(&forma);
        forma.show();
        // Room for the frame at 1:1, whatever the size of the offscreen screen.
        forma.resize(1400, 800);
    }

    template <typename W = QWidget> W& w(const char* nome) {
        auto* achado = forma.findChild<W*>(QString::fromUtf8(nome));
        if (!achado) throw std::runtime_error(nome);
        return *achado;
    }
    QString texto(const char* nome) { return w<QLabel>(nome).text(); }
    QString campo(const char* nome) { return w<QLineEdit>(nome).text(); }
    // As the user does: the page of a control comes to the front before it is used.
    template <typename W> W& na_frente(const char* nome) {
        W& controle = w<W>(nome);
        auto& paginas = w<QTabWidget>("Paginas");
        for (int i = 0; i < paginas.count(); ++i) {
            if (!paginas.widget(i)->isAncestorOf(&controle) || i == paginas.currentIndex())
                continue;
            QTest::mouseClick(paginas.tabBar(), Qt::LeftButton, {},
                              paginas.tabBar()->tabRect(i).center());
            QCoreApplication::processEvents(); // lays the page out, so clicks land where aimed
        }
        return controle;
    }
    void clica(const char* nome) {
        QTest::mouseClick(&na_frente<QAbstractButton>(nome), Qt::LeftButton);
    }
    // Shortcuts reach only the active window.
    void tecla(Qt::Key tecla) {
        QApplication::setActiveWindow(&forma);
        if (!QTest::qWaitForWindowActive(&forma)) throw std::runtime_error("janela inativa");
        QTest::keyClick(&forma, tecla, Qt::ControlModifier);
    }
    void digita(const char* nome, const QString& texto) {
        QLineEdit& campo = na_frente<QLineEdit>(nome);
        campo.setFocus();
        QTest::keyClick(&campo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(&campo, texto);
    }
    void escolhe(const char* grupo, int item) {
        QAbstractButton* botao =
            na_frente<QGroupBox>(grupo).findChild<QButtonGroup*>()->button(item);
        // on its circle: the button is wider than its circle and text
        QTest::mouseClick(botao, Qt::LeftButton, {}, QPoint(8, botao->height() / 2));
    }
    QImage imagem() { return w("Imagem").grab().toImage(); }
    QColor pixel(int x, int y) { return imagem().pixelColor(x, y); }

    teste::PastaTemporaria pasta;
    PlataformaTeste plataforma;
    TForm1 forma;
};

// Accepts the next message box while it lives, keeping its text.
std::unique_ptr<QTimer> responde_caixa(QString& texto) {
    auto vigia = std::make_unique<QTimer>();
    QObject::connect(vigia.get(), &QTimer::timeout, [&texto] {
        if (auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            texto = caixa->text();
            caixa->accept();
        }
    });
    vigia->start(10);
    return vigia;
}

// Answers each question box with the next of the buttons named, counting the questions.
std::unique_ptr<QTimer> responde_pergunta(std::deque<QString>& botoes, int& perguntas) {
    auto vigia = std::make_unique<QTimer>();
    QObject::connect(vigia.get(), &QTimer::timeout, [&botoes, &perguntas] {
        auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!caixa || botoes.empty()) return;
        ++perguntas;
        for (QAbstractButton* botao : caixa->buttons())
            if (botao->text() == botoes.front()) {
                botoes.pop_front();
                botao->click();
                return;
            }
    });
    vigia->start(10);
    return vigia;
}

const QColor AMARELO(255, 255, 0), PRETO(0, 0, 0);

} // namespace

class TForm1Teste : public QObject {
    Q_OBJECT

private slots:
    // As the program does at start.
    void initTestCase() { traduz_textos_do_qt(); }

    void cargaEDesenho() {
        Janela1 j;
        QCOMPARE(j.forma.windowTitle(),
                 QStringLiteral("Sistema de Quindra Para ObjetosTriangularizados"));
        auto& paginas = j.w<QTabWidget>("Paginas");
        QCOMPARE(paginas.tabText(paginas.currentIndex()), QStringLiteral("Atributos do Objeto"));
        QCOMPARE(j.campo("Nz_edit"), QStringLiteral("-1"));
        QCOMPARE(j.texto("Label57"), QStringLiteral("Número de Faces:"));
        QVERIFY(!j.w("Desenhar_button").isEnabled());
        QVERIFY(!j.w("Label56").isEnabled());

        // Ctrl+O loads through the dialog.
        j.plataforma.arquivos.push_back(j.pasta.escreve("t.txt", TETRAEDRO).string());
        j.tecla(Qt::Key_O);
        QCOMPARE(j.texto("Label58"), QStringLiteral("4"));
        QVERIFY(j.texto("NomeDoArquivo_label").endsWith(QStringLiteral("t.txt")));
        QVERIFY(j.w("Desenhar_button").isEnabled());

        // Wireframe: the x axis edge runs along row 300, the y axis edge along column 300.
        j.clica("Desenhar_button");
        QCOMPARE(j.texto("Mensagem_label").trimmed(), QString());
        QCOMPARE(j.pixel(340, 300), AMARELO);
        QCOMPARE(j.pixel(300, 260), AMARELO);
        QCOMPARE(j.pixel(330, 270), PRETO);

        // Phong fills the face the camera looks at.
        j.escolhe("Renderizadores_radio", 5);
        j.clica("Desenhar_button");
        QVERIFY(j.pixel(330, 270) != PRETO);

        // Enter in a field draws: back to the wireframe.
        j.escolhe("Renderizadores_radio", 0);
        j.digita("FatorDilZ", QStringLiteral("1"));
        QTest::keyClick(&j.w<QLineEdit>("FatorDilZ"), Qt::Key_Return);
        QCOMPARE(j.pixel(330, 270), PRETO);

        // A bad camera field shows its message and leaves the picture.
        const QImage antes = j.imagem();
        j.digita("Nx_edit", QStringLiteral("abc"));
        j.clica("Desenhar_button");
        QCOMPARE(j.texto("Mensagem_label"), QStringLiteral("N.x em formato inválido."));
        QCOMPARE(j.imagem(), antes);

        // "Ray Tracing" reads what Phong reads and fills the face too.
        j.digita("Nx_edit", QStringLiteral("0"));
        j.escolhe("Renderizadores_radio", 7);
        j.clica("Desenhar_button");
        QCOMPARE(j.texto("Mensagem_label"), QString(44, QLatin1Char(' ')));
        QVERIFY(j.pixel(330, 270) != PRETO);
    }

    void editorDeFontes() {
        Janela1 j;
        auto legenda = [&] { return j.w<QGroupBox>("FontesDeLuz_groupbox").title(); };
        QCOMPARE(legenda(), QStringLiteral("Parâmetros da Fonte de Luz de Número 1"));
        j.digita("IlRed_edit", QStringLiteral("100"));
        j.clica("AdicionarFonte_button");
        QCOMPARE(legenda(), QStringLiteral("Parâmetros da Fonte de Luz de Número 2"));
        QCOMPARE(j.campo("IlRed_edit"), QStringLiteral("255"));
        j.clica("FontePrevia_button");
        QCOMPARE(j.campo("IlRed_edit"), QStringLiteral("100"));
        // Removing light 1 shows the one that followed it under the same number.
        j.clica("RemoverFonte_button");
        QCOMPARE(legenda(), QStringLiteral("Parâmetros da Fonte de Luz de Número 1"));
        QCOMPARE(j.campo("IlRed_edit"), QStringLiteral("255"));
        j.clica("Button4"); // light position := camera position
        QCOMPARE(j.campo("Plz_edit"), QStringLiteral("200"));
    }

    void tetraedros() {
        Janela1 j;
        // Without its colour file the mode stays off and the box the user checked unchecks.
        j.clica("TModo");
        QCOMPARE(j.texto("Mensagem_label"), QStringLiteral("Problemas com arquivo de cores."));
        QVERIFY(!j.w<QCheckBox>("TModo").isChecked());

        std::string cores;
        for (int t = 1; t <= 80; ++t) {
            cores +=
                std::to_string(t) + ' ' + std::to_string(t) + ' ' + std::to_string(2 * t) + " 0\n";
        }
        j.pasta.escreve("tetcores.txt", cores);
        j.clica("TModo");
        QVERIFY(j.w<QCheckBox>("TModo").isChecked());
        QCOMPARE(j.texto("Mensagem_label").trimmed(), QString());
        QCOMPARE(j.campo("TetCor_green"), QStringLiteral("2"));
        j.clica("Button14"); // +10
        QCOMPARE(j.texto("NumTet"), QStringLiteral("11"));
        QCOMPARE(j.campo("TetCor_green"), QStringLiteral("22"));

        // An unfinished number is marked on the field, without a box.
        QLineEdit& vermelho = j.w<QLineEdit>("TetCor_red");
        const QColor fundo = vermelho.palette().color(QPalette::Base);
        j.digita("TetCor_red", QStringLiteral("1e"));
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(vermelho.toolTip().contains(QStringLiteral("1e")));
        QVERIFY(vermelho.palette().color(QPalette::Base) != fundo);
        j.digita("TetCor_red", QStringLiteral("1e2"));
        QVERIFY(vermelho.toolTip().isEmpty());
        QCOMPARE(vermelho.palette().color(QPalette::Base), fundo);

        j.clica("Button7"); // disable all
        QVERIFY(!j.w<QCheckBox>("THabil").isChecked());
        j.clica("Button10"); // "Habilita 3-4" shows its first entry, 44, enabled
        QCOMPARE(j.texto("NumTet"), QStringLiteral("44"));
        QVERIFY(j.w<QCheckBox>("THabil").isChecked());
        QCOMPARE(j.campo("TetCor_green"), QStringLiteral("88"));
    }

    void rotacaoReescreveACamera() {
        Janela1 j;
        // A quarter turn about the vertical around the origin: the camera moves from z = 200
        // to x = -200 and looks along +x. The turn uses pi to twelve decimals, so cos is 4e-13.
        j.escolhe("Eixos_de_rotacao_radio", 2);
        j.digita("Angulo_edit", QStringLiteral("90"));
        j.clica("EfetuarRot_button");
        QCOMPARE(j.campo("Cx_edit"), QStringLiteral("-200"));
        QCOMPARE(j.campo("Nx_edit"), QStringLiteral("1"));
        QVERIFY(std::abs(j.campo("Nz_edit").toDouble()) < 1e-12);
        QVERIFY(std::abs(j.campo("Cz_edit").toDouble()) < 1e-9);
        QCOMPARE(j.campo("Vy_edit"), QStringLiteral("1"));
    }

    void cameraArrastada() {
        Janela1 j;
        j.plataforma.arquivos.push_back(j.pasta.escreve("t.txt", TETRAEDRO).string());
        j.tecla(Qt::Key_O);
        j.clica("Desenhar_button"); // the wireframe, which a slow choice's preview matches too
        const QImage de_frente = j.imagem();
        const auto configuracao = [&] {
            std::ifstream arquivo(j.pasta.caminho() / "camera.txt");
            return std::string(std::istreambuf_iterator<char>(arquivo), {});
        };
        const std::string gravada = configuracao();

        // 180 pixels to the right at half a degree each: a quarter turn about the vertical,
        // around the origin, as the rotation command makes it.
        QWidget& quadro = j.w("Imagem");
        QTest::mousePress(&quadro, Qt::LeftButton, {}, QPoint(200, 300));
        QTest::mouseMove(&quadro, QPoint(380, 300));
        QTest::mouseRelease(&quadro, Qt::LeftButton, {}, QPoint(380, 300));
        QCOMPARE(j.campo("Cx_edit"), QStringLiteral("-200"));
        QCOMPARE(j.campo("Nx_edit"), QStringLiteral("1"));
        QVERIFY(j.imagem() != de_frente);

        // A notch of the wheel covers a tenth of the way to the centre.
        QWheelEvent roda(QPointF(300, 300), quadro.mapToGlobal(QPointF(300, 300)), QPoint(),
                         QPoint(0, 120), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&quadro, &roda);
        QCOMPARE(j.campo("Cx_edit"), QStringLiteral("-180"));

        // An arrow key turns by the angle field: back the other way.
        j.digita("Angulo_edit", QStringLiteral("90"));
        QTest::keyClick(&quadro, Qt::Key_Left);
        QVERIFY(std::abs(j.campo("Cx_edit").toDouble()) < 1e-9);
        QCOMPARE(j.campo("Cz_edit"), QStringLiteral("180"));
        QCOMPARE(j.campo("Nz_edit"), QStringLiteral("-1"));

        // Nothing of this reached the configuration file.
        QCOMPARE(configuracao(), gravada);
    }

    // Every algorithm side by side, saved whole, then a cell drawn full size; the order of the
    // painted triangles replayed with the slider and the play button.
    void comparacaoEReproducao() {
        Janela1 j;
        j.plataforma.arquivos.push_back(QUINDRA_AMOSTRAS "/toro.txt");
        j.tecla(Qt::Key_O);
        j.tecla(Qt::Key_K);
        QCoreApplication::processEvents(); // the image area grows to the sheet
        const QImage folha = j.imagem();
        QCOMPARE(folha.width(), 600);
        QVERIFY(folha.height() > 600);
        const auto salva = j.pasta.caminho() / "folha.png";
        j.plataforma.arquivos.push_back(salva.string());
        j.clica("Button3");
        QCOMPARE(QImage(QString::fromStdString(salva.string())).width(), 1800);

        // The top right cell is "Flat Shading".
        QTest::mouseClick(&j.w("Imagem"), Qt::LeftButton, {}, QPoint(500, 100));
        auto* escolhas = j.w<QGroupBox>("Renderizadores_radio").findChild<QButtonGroup*>();
        QCOMPARE(escolhas->checkedId(), 2);
        const QImage plana = j.imagem();
        QCOMPARE(plana.size(), QSize(600, 600));
        QVERIFY(plana != folha.copy(0, 0, 600, 600));
        j.clica("Desenhar_button");
        QCOMPARE(j.imagem(), plana);

        const QString total = j.texto("Label58");
        const auto contagem = [&](const QString& k) {
            return QStringLiteral("Triângulos: %1 de %2").arg(k, total);
        };
        QCOMPARE(j.texto("Triangulos_label"), contagem(total));
        j.w<QSlider>("Triangulos_slider").triggerAction(QAbstractSlider::SliderToMinimum);
        QCOMPARE(j.texto("Triangulos_label"), contagem(QStringLiteral("0")));
        QCOMPARE(j.pixel(300, 200), PRETO);
        j.clica("Reproduzir_button");
        QCOMPARE(j.w<QPushButton>("Reproduzir_button").text(), QStringLiteral("Parar"));
        QTRY_COMPARE_WITH_TIMEOUT(j.texto("Triangulos_label"), contagem(total), 20000);
        QCOMPARE(j.imagem(), plana);
        QCOMPARE(j.w<QPushButton>("Reproduzir_button").text(), QStringLiteral("Reproduzir"));

        // The ray tracer paints no triangles one after another.
        j.escolhe("Renderizadores_radio", 7);
        QVERIFY(!j.w("Triangulos_slider").isEnabled());
        QVERIFY(!j.w("Reproduzir_button").isEnabled());
    }

    // A small cube far from the origin is out of sight; "Enquadrar Objeto" brings it to fill the
    // frame, and F or a double click do it again after the camera moved away.
    void enquadramento() {
        Janela1 j;
        std::string cubo = "8 12\n";
        for (int i = 0; i < 8; ++i) {
            cubo += std::to_string(4000 + (i & 1)) + ' ' + std::to_string(-2500 + (i >> 1 & 1)) +
                    ' ' + std::to_string(900 + (i >> 2)) + '\n';
        }
        cubo += "1 2 4\n1 4 3\n5 7 8\n5 8 6\n1 5 6\n1 6 2\n3 4 8\n3 8 7\n1 3 7\n1 7 5\n"
                "2 6 8\n2 8 4\n";
        j.plataforma.arquivos.push_back(j.pasta.escreve("cubo.txt", cubo).string());
        j.tecla(Qt::Key_O);
        j.escolhe("Renderizadores_radio", 2);
        // Lit from wherever the camera goes.
        j.digita("Plx_edit", QStringLiteral("4000"));
        j.digita("Ply_edit", QStringLiteral("-2500"));
        j.digita("Plz_edit", QStringLiteral("1000"));
        const auto preenchido = [&] {
            const QImage imagem = j.imagem();
            int acesos = 0;
            for (int y = 2; y < 598; ++y)
                for (int x = 2; x < 598; ++x) acesos += imagem.pixelColor(x, y) != PRETO;
            return acesos / (596.0 * 596.0);
        };
        j.clica("Desenhar_button");
        QCOMPARE(preenchido(), 0.0);
        j.clica("EnquadrarObjeto_button");
        QVERIFY2(preenchido() > 0.3, qPrintable(QString::number(preenchido())));
        QCOMPARE(j.campo("Centrox_edit"), QStringLiteral("4000.5"));

        j.digita("Cx_edit", QStringLiteral("0"));
        j.clica("Desenhar_button");
        QCOMPARE(preenchido(), 0.0);
        QApplication::setActiveWindow(&j.forma);
        QVERIFY(QTest::qWaitForWindowActive(&j.forma));
        j.w("Imagem").setFocus();
        QTest::keyClick(&j.w("Imagem"), Qt::Key_F);
        QVERIFY(preenchido() > 0.3);
        j.digita("Cx_edit", QStringLiteral("0"));
        j.clica("Desenhar_button");
        QTest::mouseDClick(&j.w("Imagem"), Qt::LeftButton, {}, QPoint(300, 300));
        QVERIFY(preenchido() > 0.3);
    }

    // The whole window opens within small screens, and where the frame has no room for itself
    // it shrinks whole and square, a click still landing on the pixel under it.
    void cabeEmTelasPequenas() {
        for (const QSize tela : {QSize(1280, 720), QSize(1024, 768), QSize(800, 600)}) {
            teste::PastaTemporaria pasta;
            const QString captura = QString::fromStdString((pasta.caminho() / "j.png").string());
            QProcess xvfb;
            xvfb.setWorkingDirectory(QString::fromStdString(pasta.caminho().string()));
            // on the X server's screen, not on the offscreen one these tests use
            QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
            ambiente.remove(QStringLiteral("QT_QPA_PLATFORM"));
            xvfb.setProcessEnvironment(ambiente);
            xvfb.start(QStringLiteral("xvfb-run"),
                       {QStringLiteral("-a"), QStringLiteral("-s"),
                        QStringLiteral("-screen 0 %1x%2x24").arg(tela.width()).arg(tela.height()),
                        QStringLiteral(QUINDRA_JANELA_EXE), QStringLiteral("--captura"), captura,
                        QStringLiteral(QUINDRA_AMOSTRAS "/toro.txt")});
            QVERIFY(xvfb.waitForFinished(60000));
            QCOMPARE(xvfb.exitCode(), 0);
            const QImage janela(captura);
            QVERIFY(!janela.isNull());
            QVERIFY2(
                janela.width() <= tela.width() && janela.height() <= tela.height(),
                qPrintable(QStringLiteral("%1 x %2").arg(janela.width()).arg(janela.height())));
        }

        Janela1 j;
        j.plataforma.arquivos.push_back(QUINDRA_AMOSTRAS "/toro.txt");
        j.tecla(Qt::Key_O);
        j.forma.resize(800, 560);
        QCoreApplication::processEvents();
        auto& quadro = j.w<QuadroWidget>("Imagem");
        const QRect area = quadro.area_da_imagem();
        QCOMPARE(area.width(), area.height());
        QVERIFY(area.width() < 600);
        QVERIFY(quadro.rect().contains(area));
        QVERIFY(j.forma.rect().contains(QRect(quadro.mapTo(&j.forma, QPoint()), quadro.size())));
        // The sheet shrinks too: its top right cell is still "Flat Shading".
        j.tecla(Qt::Key_K);
        QCoreApplication::processEvents();
        const QRect folha = quadro.area_da_imagem();
        QVERIFY(folha.width() < 600);
        QTest::mouseClick(&quadro, Qt::LeftButton, {}, folha.topRight() + QPoint(-10, 10));
        QCOMPARE(j.w<QGroupBox>("Renderizadores_radio").findChild<QButtonGroup*>()->checkedId(), 2);
    }

    // A refused field comes to the front, takes the cursor and stays marked until it is typed
    // into; Qt's own dialogs speak Portuguese.
    void recusaEmPortugues() {
        Janela1 j;
        j.plataforma.arquivos.push_back(j.pasta.escreve("t.txt", TETRAEDRO).string());
        j.tecla(Qt::Key_O);
        j.escolhe("Renderizadores_radio", 5);
        j.digita("Kd_edit", QStringLiteral("2"));
        auto& paginas = j.w<QTabWidget>("Paginas");
        QTest::mouseClick(paginas.tabBar(), Qt::LeftButton, {},
                          paginas.tabBar()->tabRect(0).center());
        j.clica("Desenhar_button");
        QCOMPARE(j.texto("Mensagem_label"), QStringLiteral("kd em formato inválido."));
        QLineEdit& kd = j.w<QLineEdit>("Kd_edit");
        QTRY_VERIFY(paginas.currentWidget()->isAncestorOf(&kd));
        QCOMPARE(j.forma.janela().Paginas.selecionada, paginas.currentIndex());
        QTRY_VERIFY(kd.hasFocus());
        QCOMPARE(kd.toolTip(), QStringLiteral("kd em formato inválido."));
        QTest::keyClick(&kd, Qt::Key_Backspace);
        QVERIFY(kd.toolTip().isEmpty());

        // A light of the list out of sight comes back on show, its field marked.
        j.digita("Kd_edit", QStringLiteral("0.5"));
        j.clica("AdicionarFonte_button");
        j.digita("Ply_edit", QStringLiteral("y"));
        j.clica("FontePrevia_button");
        j.clica("Desenhar_button");
        QLineEdit& ply = j.w<QLineEdit>("Ply_edit");
        QTRY_VERIFY(ply.hasFocus());
        QCOMPARE(ply.text(), QStringLiteral("y"));
        QCOMPARE(ply.toolTip(), QStringLiteral("Posição da Fonte 2 com erro (Coord y)."));

        QFileDialog dialogo(&j.forma);
        dialogo.setOption(QFileDialog::DontUseNativeDialog);
        const auto* botoes = dialogo.findChild<QDialogButtonBox*>();
        QVERIFY(botoes);
        QCOMPARE(botoes->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Cancelar"));
    }

    void arquivosEFechamento() {
        QString caixa;
        {
            Janela1 j;
            // A texture that cannot be read: a message box, and the label stays grey.
            const auto vigia = responde_caixa(caixa);
            j.plataforma.arquivos.push_back((j.pasta.caminho() / "nada.bmp").string());
            j.clica("Button2");
            QVERIFY(caixa.contains(QStringLiteral("nada.bmp")));
            QVERIFY(!j.w("Label56").isEnabled());
            j.plataforma.arquivos.push_back(QUINDRA_AMOSTRAS "/textura.bmp");
            j.tecla(Qt::Key_T);
            QVERIFY(j.w("Label56").isEnabled());

            const auto salva = j.pasta.caminho() / "quadro.bmp";
            j.plataforma.arquivos.push_back(salva.string());
            j.tecla(Qt::Key_S);
            std::ifstream salvo(salva, std::ios::binary);
            char assinatura[2] = {};
            salvo.read(assinatura, 2);
            QCOMPARE(QByteArray(assinatura, 2), QByteArray("BM"));

            // Closing writes the fields as they stand.
            caixa.clear();
            j.digita("Cx_edit", QStringLiteral("7"));
            j.tecla(Qt::Key_Q);
            QVERIFY(!j.forma.isVisible());
            QVERIFY(caixa.isEmpty());
            std::ifstream camera(j.pasta.caminho() / "camera.txt");
            std::string linha;
            for (int i = 0; i < 3; ++i) std::getline(camera, linha);
            QCOMPARE(QString::fromStdString(linha).trimmed(), QStringLiteral("7 0 200"));
            for (const char* nome : {"cena.txt", "objeto.txt"}) {
                QVERIFY(std::filesystem::is_regular_file(j.pasta.caminho() / nome));
            }
        }
        // A write that fails asks what to do: tried again, then the window stays open; once the
        // way is clear, closing writes.
        Janela1 j;
        const auto camera = j.pasta.caminho() / "camera.txt";
        std::filesystem::remove(camera);
        std::filesystem::create_directory(camera);
        std::deque<QString> botoes{QStringLiteral("Tentar de novo"),
                                   QStringLiteral("Continuar aberta")};
        int perguntas = 0;
        {
            const auto vigia = responde_pergunta(botoes, perguntas);
            j.forma.close();
        }
        QCOMPARE(perguntas, 2);
        QVERIFY(j.forma.isVisible());
        std::filesystem::remove(camera);
        j.forma.close();
        QVERIFY(!j.forma.isVisible());
        QVERIFY(std::filesystem::is_regular_file(camera));
    }

    // A signal ends the program as a close does: the values it holds are written first. The
    // window's initial camera replaces the default file it wrote at start.
    void sinalDeTermino() {
        teste::PastaTemporaria pasta;
        QProcess quindra;
        quindra.setWorkingDirectory(QString::fromStdString(pasta.caminho().string()));
        quindra.start(QStringLiteral(QUINDRA_JANELA_EXE), {});
        const auto camera = pasta.caminho() / "camera.txt";
        for (int espera = 0; espera < 600 && !std::filesystem::exists(camera); ++espera)
            QTest::qWait(50);
        QVERIFY(std::filesystem::exists(camera));
        ::kill(static_cast<pid_t>(quindra.processId()), SIGTERM);
        QVERIFY(quindra.waitForFinished(30000));
        QCOMPARE(quindra.exitStatus(), QProcess::NormalExit);
        QCOMPARE(quindra.exitCode(), 0);
        std::ifstream arquivo(camera, std::ios::binary);
        const std::string gravado{std::istreambuf_iterator<char>(arquivo), {}};
        QCOMPARE(QString::fromStdString(gravado),
                 QStringLiteral("0 0 -1\r\n0 1 0\r\n0 0 200\r\n1\r\n1\r\n1\r\n"));
    }
};

} // namespace quindra::gui

QTEST_MAIN(quindra::gui::TForm1Teste)
#include "tform1_test.moc"
