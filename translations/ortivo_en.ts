<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="de">
<context>
    <name>ErrorSourcesWindow</name>
    <message>
        <source>Fehlerquellen</source>
        <translation>Error sources</translation>
    </message>
    <message>
        <source>&lt;b&gt;Quelle&lt;/b&gt;</source>
        <translation>&lt;b&gt;Source&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Gemeinsamer Versatz (ns)</source>
        <translation>Common offset (ns)</translation>
    </message>
    <message>
        <source>Fehlerhafter Satellit (Nummer, Zuschlag in m)</source>
        <translation>Faulty satellite (number, extra in m)</translation>
    </message>
    <message>
        <source>Die σ gelten für einen Satelliten im Mittel über den Himmel: tief stehende haben größere Fehler, hoch stehende kleinere. Mehr dazu mit F1.</source>
        <translation>The σ apply to a satellite averaged over the sky: low ones have larger errors, high ones smaller. More on this with F1.</translation>
    </message>
    <message>
        <source>Gesamtfehler einer Entfernung (UERE, die Wurzel aus der Summe der Quadrate der eingeschalteten σ): &lt;b&gt;%1 m&lt;/b&gt;</source>
        <translation>Total error of a distance (UERE, the square root of the sum of the squares of the σ switched on): &lt;b&gt;%1 m&lt;/b&gt;</translation>
    </message>
</context>
<context>
    <name>ExportFiles</name>
    <message>
        <source>Die Datei „%1“ kann nicht gespeichert werden. %2</source>
        <translation>The file “%1” cannot be saved. %2</translation>
    </message>
    <message>
        <source>Der Zugriff wurde verweigert.</source>
        <translation>Access was denied.</translation>
    </message>
    <message>
        <source>Beim Schreiben trat ein Fehler auf; vielleicht ist der Datenträger voll (%1).</source>
        <translation>An error occurred while writing; perhaps the disk is full (%1).</translation>
    </message>
    <message>
        <source>Sie kann dort nicht angelegt werden (%1).</source>
        <translation>It cannot be created there (%1).</translation>
    </message>
    <message>
        <source>Sie kann nicht gelesen werden (%1).</source>
        <translation>It cannot be read (%1).</translation>
    </message>
    <message>
        <source>Unter diesem Namen steht ein Ordner.</source>
        <translation>A folder has this name.</translation>
    </message>
    <message>
        <source>Das Bild kann nicht umgewandelt werden.</source>
        <translation>The image cannot be converted.</translation>
    </message>
    <message>
        <source>Bild speichern</source>
        <translation>Save image</translation>
    </message>
    <message>
        <source>PNG-Bild (*.png)</source>
        <translation>PNG image (*.png)</translation>
    </message>
    <message>
        <source>SVG-Vektorgrafik (*.svg)</source>
        <translation>SVG vector graphics (*.svg)</translation>
    </message>
    <message>
        <source>Tabelle exportieren</source>
        <translation>Export table</translation>
    </message>
    <message>
        <source>CSV-Tabelle (*.csv)</source>
        <translation>CSV table (*.csv)</translation>
    </message>
    <message>
        <source>Bild speichern…</source>
        <translation>Save image…</translation>
    </message>
    <message>
        <source>Das Bild als PNG oder SVG speichern (Strg+S)</source>
        <translation>Save the image as PNG or SVG (Ctrl+S)</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Ortivo - Hilfe</source>
        <translation>Ortivo - Help</translation>
    </message>
    <message>
        <source>Zurück</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>Vorwärts</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>Startseite</source>
        <translation>Home</translation>
    </message>
    <message>
        <source>Inhalt</source>
        <translation>Contents</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>Index</translation>
    </message>
    <message>
        <source>Suche</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>Stichwort suchen</source>
        <translation>Search keyword</translation>
    </message>
</context>
<context>
    <name>HistoryWindow</name>
    <message>
        <source>konvergiert</source>
        <translation>converged</translation>
    </message>
    <message>
        <source>kein Kreis 1/2</source>
        <translation>no circle 1/2</translation>
    </message>
    <message>
        <source>kein Kreis 1/3</source>
        <translation>no circle 1/3</translation>
    </message>
    <message>
        <source>kein Schnittpunkt</source>
        <translation>no intersection</translation>
    </message>
    <message>
        <source>davongelaufen</source>
        <translation>diverged</translation>
    </message>
    <message>
        <source>Zeitgrenze</source>
        <translation>time limit</translation>
    </message>
    <message>
        <source>unter 4 Satelliten</source>
        <translation>fewer than 4 satellites</translation>
    </message>
    <message>
        <source>Verlauf</source>
        <translation>History</translation>
    </message>
    <message>
        <source>Abstand berechneter – tatsächlicher Standort in Metern</source>
        <translation>Distance computed – true position in metres</translation>
    </message>
    <message>
        <source>Iterationen je Positionsbestimmung (alle Fenster zusammen)</source>
        <translation>Iterations per position fix (all windows together)</translation>
    </message>
    <message>
        <source>Welches Fenster aus 4 Satelliten konvergierte, woran die anderen scheiterten</source>
        <translation>Which window of 4 satellites converged, and why the others failed</translation>
    </message>
    <message>
        <source>Konvergenz der letzten Positionsbestimmung</source>
        <translation>Convergence of the last position fix</translation>
    </message>
    <message>
        <source>Positionsbestimmung Nr.</source>
        <translation>Position fix no.</translation>
    </message>
    <message>
        <source>Meter</source>
        <translation>Metres</translation>
    </message>
    <message>
        <source>Iterationen</source>
        <translation>Iterations</translation>
    </message>
    <message>
        <source>Fenster (1 = die 4 nächsten)</source>
        <translation>Window (1 = the 4 nearest)</translation>
    </message>
    <message>
        <source>Iteration</source>
        <translation>Iteration</translation>
    </message>
    <message>
        <source>Abstand zur 4. Kugel (m)</source>
        <translation>Distance to sphere 4 (m)</translation>
    </message>
    <message>
        <source>Toleranz 1 cm</source>
        <translation>Tolerance 1 cm</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Den Verlauf leeren; die Positionsbestimmung läuft weiter</source>
        <translation>Empty the history; the position fix carries on</translation>
    </message>
    <message>
        <source>Noch keine Positionsbestimmung im Verlauf. Starten Sie im Hauptfenster die Positionsbestimmung; der Verlauf behält die letzten %1.</source>
        <translation>No position fix in the history yet. Start the position fix in the main window; the history keeps the last %1.</translation>
    </message>
    <message>
        <source>%1 Positionsbestimmungen im Verlauf (Nr. %2 bis %3, höchstens die letzten %4), %5 davon mit Standort.</source>
        <translation>%1 position fixes in the history (no. %2 to %3, at most the last %4), %5 of them with a position.</translation>
    </message>
    <message>
        <source>Fenster %1: %2</source>
        <translation>Window %1: %2</translation>
    </message>
    <message>
        <source>Die letzte Positionsbestimmung: noch keine.</source>
        <translation>The last position fix: none yet.</translation>
    </message>
    <message>
        <source>&lt;b&gt;Letzte Positionsbestimmung (Nr. %1):&lt;/b&gt; </source>
        <translation>&lt;b&gt;Last position fix (no. %1):&lt;/b&gt; </translation>
    </message>
    <message>
        <source>nur %1 Satelliten empfangen, kein Fenster aus 4 Satelliten möglich.</source>
        <translation>only %1 satellites received, no window of 4 satellites possible.</translation>
    </message>
    <message>
        <source>%1 von %2 möglichen Fenstern versucht</source>
        <translation>%1 of %2 possible windows tried</translation>
    </message>
    <message>
        <source>%1, das %2. konvergierte.</source>
        <translation>%1; window %2 converged.</translation>
    </message>
    <message>
        <source>%1, keines konvergierte.</source>
        <translation>%1; none converged.</translation>
    </message>
    <message>
        <source>&lt;br&gt;… und %1 weitere Fenster.</source>
        <translation>&lt;br&gt;… and %1 more windows.</translation>
    </message>
    <message>
        <source>&lt;br&gt;Fenster %1 (Satelliten %2, %3, %4, %5): &lt;i&gt;%6&lt;/i&gt; nach %7 Iterationen</source>
        <translation>&lt;br&gt;Window %1 (satellites %2, %3, %4, %5): &lt;i&gt;%6&lt;/i&gt; after %7 iterations</translation>
    </message>
    <message>
        <source> (gezeigt die ersten %1)</source>
        <translation> (the first %1 shown)</translation>
    </message>
</context>
<context>
    <name>LessonFiles</name>
    <message>
        <source>Satellitenpositionen</source>
        <translation>Satellite positions</translation>
    </message>
    <message>
        <source>Positionsbestimmungen</source>
        <translation>Position fixes</translation>
    </message>
    <message>
        <source>Szenario öffnen… (Strg+O)</source>
        <translation>Open scenario… (Ctrl+O)</translation>
    </message>
    <message>
        <source>Szenario speichern… (Strg+S)</source>
        <translation>Save scenario… (Ctrl+S)</translation>
    </message>
    <message>
        <source>Tabelle exportieren…</source>
        <translation>Export table…</translation>
    </message>
    <message>
        <source>Satellitenpositionen…</source>
        <translation>Satellite positions…</translation>
    </message>
    <message>
        <source>Verlauf der Positionsbestimmungen…</source>
        <translation>History of the position fixes…</translation>
    </message>
    <message>
        <source>Aufgabe – %1</source>
        <translation>Task – %1</translation>
    </message>
    <message>
        <source>Szenario speichern</source>
        <translation>Save scenario</translation>
    </message>
    <message>
        <source>Aufgabe (wird beim Öffnen des Szenarios angezeigt):</source>
        <translation>Task (shown when the scenario is opened):</translation>
    </message>
    <message>
        <source>%1 von %2 Zeichen</source>
        <translation>%1 of %2 characters</translation>
    </message>
    <message>
        <source>Szenario.ortivo</source>
        <translation>Scenario.ortivo</translation>
    </message>
    <message>
        <source>Szenario öffnen</source>
        <translation>Open scenario</translation>
    </message>
    <message>
        <source>Alle Dateien (*)</source>
        <translation>All files (*)</translation>
    </message>
    <message>
        <source>Ortivo-Szenario (*.ortivo)</source>
        <translation>Ortivo scenario (*.ortivo)</translation>
    </message>
    <message>
        <source>Noch kein Szenario geöffnet</source>
        <translation>No scenario opened yet</translation>
    </message>
</context>
<context>
    <name>Program</name>
    <message>
        <source>Sprache</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>Sprache der Fenster, Tabellen und Hilfe</source>
        <translation>Language of the windows, tables and help</translation>
    </message>
    <message>
        <source>Einstellungen zurücksetzen</source>
        <translation>Reset settings</translation>
    </message>
    <message>
        <source>Himmelsansicht: die Satelliten über dem Empfänger und die Güte ihrer Geometrie (Strg+H)</source>
        <translation>Sky view: the satellites above the receiver and the quality of their geometry (Ctrl+H)</translation>
    </message>
    <message>
        <source>Verlauf: Abstand, Iterationen und Fenster aller Positionsbestimmungen (Strg+L)</source>
        <translation>History: distance, iterations and windows of all position fixes (Ctrl+L)</translation>
    </message>
    <message>
        <source>Fehlerquellen: Messfehler der Entfernungen ein- und ausschalten (Strg+F)</source>
        <translation>Error sources: switch the measurement errors of the distances on and off (Ctrl+F)</translation>
    </message>
    <message>
        <source>Streubild: wie weit die berechneten Standorte streuen, und warum (Strg+B)</source>
        <translation>Scatter plot: how widely the computed positions scatter, and why (Ctrl+B)</translation>
    </message>
</context>
<context>
    <name>ScatterWindow</name>
    <message>
        <source>Messungen</source>
        <translation>Measurements</translation>
    </message>
    <message>
        <source>mittlere Abweichung Ost (m)</source>
        <translation>mean deviation east (m)</translation>
    </message>
    <message>
        <source>mittlere Abweichung Nord (m)</source>
        <translation>mean deviation north (m)</translation>
    </message>
    <message>
        <source>mittlere Abweichung oben (m)</source>
        <translation>mean deviation up (m)</translation>
    </message>
    <message>
        <source>σ Ost (m)</source>
        <translation>σ east (m)</translation>
    </message>
    <message>
        <source>σ Nord (m)</source>
        <translation>σ north (m)</translation>
    </message>
    <message>
        <source>σ oben (m)</source>
        <translation>σ up (m)</translation>
    </message>
    <message>
        <source>RMS waagerecht (m)</source>
        <translation>RMS horizontal (m)</translation>
    </message>
    <message>
        <source>RMS im Raum (m)</source>
        <translation>RMS in space (m)</translation>
    </message>
    <message>
        <source>erwartet: PDOP × UERE (m)</source>
        <translation>expected: PDOP × UERE (m)</translation>
    </message>
    <message>
        <source>Kreis mit 50 % der Standorte (m)</source>
        <translation>Circle holding 50 % (m)</translation>
    </message>
    <message>
        <source>Kreis mit 95 % der Standorte (m)</source>
        <translation>Circle holding 95 % (m)</translation>
    </message>
    <message>
        <source>Streubild-Standorte</source>
        <translation>Scatter-positions</translation>
    </message>
    <message>
        <source>Streubild-Signale</source>
        <translation>Scatter-signals</translation>
    </message>
    <message>
        <source>Streubild</source>
        <translation>Scatter plot</translation>
    </message>
    <message>
        <source>1000 Messungen jetzt</source>
        <translation>1000 measurements now</translation>
    </message>
    <message>
        <source>Die Messung 1000-mal an diesem Ort zu diesem Zeitpunkt wiederholen, jeder Fehler jedes Mal neu gezogen</source>
        <translation>Repeat the measurement 1000 times at this place at this moment, every error drawn anew each time</translation>
    </message>
    <message>
        <source>Zurücksetzen</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>Tabelle exportieren…</source>
        <translation>Export table…</translation>
    </message>
    <message>
        <source>Standorte der Messungen…</source>
        <translation>Positions of the measurements…</translation>
    </message>
    <message>
        <source>Signale der Messungen…</source>
        <translation>Signals of the measurements…</translation>
    </message>
    <message>
        <source>Berechnete Standorte um den tatsächlichen (Ost, Nord);&lt;br&gt;Kreise mit 50 % (durchgezogen) und 95 % (gestrichelt) der Standorte</source>
        <translation>Computed positions around the true one (east, north);&lt;br&gt;circles with 50 % (solid) and 95 % (dashed) of the positions</translation>
    </message>
    <message>
        <source>Ost (m)</source>
        <translation>East (m)</translation>
    </message>
    <message>
        <source>Nord (m)</source>
        <translation>North (m)</translation>
    </message>
    <message>
        <source>%1: %2 %</source>
        <translation>%1: %2 %</translation>
    </message>
    <message>
        <source>Residuen der letzten Ausgleichsrechnung</source>
        <translation>Residuals of the last least-squares fix</translation>
    </message>
    <message>
        <source>Satellit</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Residuum (m)</source>
        <translation>Residual (m)</translation>
    </message>
    <message>
        <source>Noch kein Standort des Empfängers: Erzeugen Sie ihn im Hauptfenster oder geben Sie ihn dort ein.</source>
        <translation>No position of the receiver yet: generate it in the main window or enter it there.</translation>
    </message>
    <message>
        <source>Noch keine Messung: Starten Sie im Hauptfenster die Positionsbestimmung oder wiederholen Sie die Messung hier 1000-mal.</source>
        <translation>No measurement yet: start the position fix in the main window or repeat the measurement here 1000 times.</translation>
    </message>
    <message>
        <source>%1 %2 µs (%3 m)</source>
        <translation>%1 %2 µs (%3 m)</translation>
    </message>
    <message>
        <source>Messung Nr. %1 – Uhrabweichung des Empfängers: %2.</source>
        <translation>Measurement no. %1 – clock offset of the receiver: %2.</translation>
    </message>
</context>
<context>
    <name>SkyWindow</name>
    <message>
        <source>Himmelsansicht</source>
        <translation>Sky view</translation>
    </message>
    <message>
        <source>Der Himmel über dem Empfänger: Norden oben, Osten rechts, der Zenit in der Mitte, der Horizont auf dem äußeren Ring</source>
        <translation>The sky above the receiver: north at the top, east on the right, the zenith in the middle, the horizon on the outer ring</translation>
    </message>
    <message>
        <source>&lt;span style=&apos;color:#143c96&apos;&gt;●&lt;/span&gt; &lt;b&gt;fett:&lt;/b&gt; die 4 Satelliten, mit denen die letzte Positionsbestimmung gelang &amp;nbsp; &lt;span style=&apos;color:#143c96&apos;&gt;○&lt;/span&gt; empfangen &amp;nbsp; &lt;span style=&apos;color:#c80000&apos;&gt;✕&lt;/span&gt; defekt (nicht empfangen). Ringe: 0°, 30° und 60° Elevation.</source>
        <translation>&lt;span style=&apos;color:#143c96&apos;&gt;●&lt;/span&gt; &lt;b&gt;bold:&lt;/b&gt; the 4 satellites with which the last position fix succeeded &amp;nbsp; &lt;span style=&apos;color:#143c96&apos;&gt;○&lt;/span&gt; received &amp;nbsp; &lt;span style=&apos;color:#c80000&apos;&gt;✕&lt;/span&gt; defective (not received). Rings: 0°, 30° and 60° elevation.</translation>
    </message>
    <message>
        <source>Richtung der Satelliten über dem Horizont</source>
        <translation>Direction of the satellites above the horizon</translation>
    </message>
    <message>
        <source>Satellit</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Azimut</source>
        <translation>Azimuth</translation>
    </message>
    <message>
        <source>Elevation</source>
        <translation>Elevation</translation>
    </message>
    <message>
        <source>Zustand</source>
        <translation>State</translation>
    </message>
    <message>
        <source>Genauigkeitsverlust durch die Geometrie (Dilution of Precision)</source>
        <translation>Loss of accuracy through geometry (dilution of precision)</translation>
    </message>
    <message>
        <source>4 verwendete</source>
        <translation>4 used</translation>
    </message>
    <message>
        <source>verwendet</source>
        <translation>used</translation>
    </message>
    <message>
        <source>empfangen</source>
        <translation>received</translation>
    </message>
    <message>
        <source>defekt</source>
        <translation>defective</translation>
    </message>
    <message>
        <source>alle empfangenen (%1)</source>
        <translation>all received (%1)</translation>
    </message>
    <message>
        <source>Ein DOP-Wert sagt, wie viel mal größer als ein Fehler der gemessenen Entfernungen der Fehler im Ergebnis wird. Unter 2 ist sehr gut, über 8 schlecht.&lt;br&gt;&lt;b&gt;GDOP&lt;/b&gt;: für Ort und Uhrzeit zusammen. &lt;b&gt;PDOP&lt;/b&gt;: für den Ort im Raum. &lt;b&gt;HDOP&lt;/b&gt;: für die Lage auf der Karte (Nord–Süd, Ost–West). &lt;b&gt;VDOP&lt;/b&gt;: für die Höhe. &lt;b&gt;TDOP&lt;/b&gt;: für die Uhrabweichung des Empfängers. Wie das Messfehler vervielfacht: &lt;a href=&apos;fehlerquellen.html&apos;&gt;Fehlerquellen und Ausgleichsrechnung&lt;/a&gt;.</source>
        <translation>A DOP value says how many times larger than an error in the measured distances the error in the result becomes. Below 2 is very good, above 8 poor.&lt;br&gt;&lt;b&gt;GDOP&lt;/b&gt;: for position and time together. &lt;b&gt;PDOP&lt;/b&gt;: for the position in space. &lt;b&gt;HDOP&lt;/b&gt;: for the position on the map (north–south, east–west). &lt;b&gt;VDOP&lt;/b&gt;: for the height. &lt;b&gt;TDOP&lt;/b&gt;: for the receiver&apos;s clock offset. How this multiplies measurement errors: &lt;a href=&apos;fehlerquellen.html&apos;&gt;Error sources and least squares&lt;/a&gt;.</translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>© 2026 Ortivo-Team. Ein Lernprogramm dazu, wie ein GPS-Empfänger seinen Standort findet.</source>
        <translation>© 2026 Ortivo team. A teaching program on how a GPS receiver finds its position.</translation>
    </message>
    <message>
        <source>Die Webseite des Ortivo-Teams öffnen</source>
        <translation>Open the web page of the Ortivo team</translation>
    </message>
    <message>
        <source>Dem Ortivo-Team eine E-Mail schreiben</source>
        <translation>Write an e-mail to the Ortivo team</translation>
    </message>
    <message>
        <source>Nutzungsbedingungen: Ortivo darf in Schule, Studium und zu Hause kostenlos genutzt, kopiert und unverändert weitergegeben werden. Ein Verkauf ist nicht gestattet.</source>
        <translation>Terms of use: Ortivo may be used, copied and passed on unchanged free of charge at school, at university and at home. Selling it is not permitted.</translation>
    </message>
    <message>
        <source>Haftungsausschluss: Ortivo wird ohne jede Gewährleistung bereitgestellt. Die Simulation vereinfacht die Wirklichkeit und taugt nicht zur Navigation. Für Schäden aus der Nutzung wird nicht gehaftet.</source>
        <translation>Disclaimer: Ortivo is provided without any warranty. The simulation simplifies reality and is not fit for navigation. No liability is accepted for damage arising from its use.</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>TForm2DDemo</name>
    <message>
        <source>2D-Demonstration</source>
        <translation>2D demonstration</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
</context>
<context>
    <name>TForm3DDemo</name>
    <message>
        <source>3D-Demonstration</source>
        <translation>3D demonstration</translation>
    </message>
    <message>
        <source>3D - Demonstration</source>
        <translation>3D demonstration</translation>
    </message>
    <message>
        <source>Projektionsart</source>
        <translation>Projection type</translation>
    </message>
    <message>
        <source>Zentralprojektion</source>
        <translation>Central projection</translation>
    </message>
    <message>
        <source>Parallelprojektion</source>
        <translation>Parallel projection</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>&amp;Schließen</source>
        <translation>&amp;Close</translation>
    </message>
    <message>
        <source>Bewegungen anhalten bzw. fortsetzen</source>
        <translation>Pause or continue the movements</translation>
    </message>
    <message>
        <source>Demonstration der Positionsbestimmung</source>
        <translation>Demonstration of the position fix</translation>
    </message>
    <message>
        <source>Algorithmus abbrechen</source>
        <translation>Abort the algorithm</translation>
    </message>
    <message>
        <source>Postion des Betrachters (Einheit: 1000km)</source>
        <translation>Position of the viewer (unit: 1000 km)</translation>
    </message>
    <message>
        <source>Südpolumdrehung</source>
        <translation>South pole rotation</translation>
    </message>
    <message>
        <source>Nordpolumdrehung</source>
        <translation>North pole rotation</translation>
    </message>
    <message>
        <source>Grad</source>
        <translation>Degrees</translation>
    </message>
</context>
<context>
    <name>TFormMain</name>
    <message>
        <source>Satellitenpositionen</source>
        <translation>Satellite positions</translation>
    </message>
    <message>
        <source>Info</source>
        <translation>About</translation>
    </message>
    <message>
        <source>Hilfe</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>2D-Demonstration</source>
        <translation>2D demonstration</translation>
    </message>
    <message>
        <source>3D-Demonstration</source>
        <translation>3D demonstration</translation>
    </message>
    <message>
        <source>Einzelschritt: Satelliten und Empfänger einen Simulationsschritt weiter (Strg+E)</source>
        <translation>Single step: satellites and receiver one simulation step on (Ctrl+E)</translation>
    </message>
    <message>
        <source>Zeitraffer: ein Simulationsschritt alle 2 s, 1 s, 0,4 s oder 0,2 s (Strg++ / Strg+-)</source>
        <translation>Time lapse: one simulation step every 2 s, 1 s, 0.4 s or 0.2 s (Ctrl++ / Ctrl+-)</translation>
    </message>
    <message>
        <source>Beenden</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Tatsächlicher Standort des GPS-Empfängers (erzeugen oder eingeben) - maximale(minimale) Höhe über dem Erdboden: %1 (%2) m</source>
        <translation>True position of the GPS receiver (generate or enter) - maximum (minimum) height above the ground: %1 (%2) m</translation>
    </message>
    <message>
        <source>Cartesische Koordinaten (in km) - maßgeblich für die Positionsbestimmung</source>
        <translation>Cartesian coordinates (in km) - these count for the position fix</translation>
    </message>
    <message>
        <source>CartToGeo</source>
        <translation>CartToGeo</translation>
    </message>
    <message>
        <source>GeoToCart</source>
        <translation>GeoToCart</translation>
    </message>
    <message>
        <source>Erzeugen</source>
        <translation>Generate</translation>
    </message>
    <message>
        <source>Geographische Koordinaten</source>
        <translation>Geographic coordinates</translation>
    </message>
    <message>
        <source>Geschwindigkeit in km/h</source>
        <translation>Speed in km/h</translation>
    </message>
    <message>
        <source>Defekte Satelliten</source>
        <translation>Defective satellites</translation>
    </message>
    <message>
        <source>Berechneter Standort und berechnete Geschwindigkeit des GPS-Empfängers</source>
        <translation>Computed position and computed speed of the GPS receiver</translation>
    </message>
    <message>
        <source>Cartesische Koordinaten (in km)</source>
        <translation>Cartesian coordinates (in km)</translation>
    </message>
    <message>
        <source>Einem Simulationsschritt entsprechen %1 Sekunden in der Wirklichkeit</source>
        <translation>One simulation step stands for %1 seconds in reality</translation>
    </message>
    <message>
        <source>Entfernung tatsächlicher Standort zum berechneten Standort (Luftlinie in km)</source>
        <translation>Distance from true position to computed position (straight line in km)</translation>
    </message>
    <message>
        <source>Position und fiktive Signallaufzeiten (des ersten Iterationsschritts) der 4 zur Berechnung herangezogenen Satelliten</source>
        <translation>Position and fictive signal travel times (of the first iteration step) of the 4 satellites used for the calculation</translation>
    </message>
    <message>
        <source>Satellitenposition</source>
        <translation>Satellite positions</translation>
    </message>
    <message>
        <source>Höhe (in m) über NN</source>
        <translation>Height (in m) above sea level</translation>
    </message>
    <message>
        <source>Anzahl und Nummern der empfangenen Satelliten (geordnet nach Entfernung)</source>
        <translation>Count and numbers of the received satellites (sorted by distance)</translation>
    </message>
    <message>
        <source>Länge</source>
        <translation>Longitude</translation>
    </message>
    <message>
        <source>Breite</source>
        <translation>Latitude</translation>
    </message>
    <message>
        <source>Grad</source>
        <translation>Degrees</translation>
    </message>
    <message>
        <source>Minuten</source>
        <translation>Minutes</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>millisek</source>
        <translation>millisec</translation>
    </message>
    <message>
        <source>microsek</source>
        <translation>microsec</translation>
    </message>
    <message>
        <source>nanosek</source>
        <translation>nanosec</translation>
    </message>
    <message>
        <source>Tabelle exportieren…</source>
        <translation>Export table…</translation>
    </message>
    <message>
        <source>Stoppen</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Bewegen</source>
        <translation>Move</translation>
    </message>
    <message>
        <source>Zeit anhalten: Satelliten und Empfänger bleiben stehen (Strg+P)</source>
        <translation>Pause time: satellites and receiver stand still (Ctrl+P)</translation>
    </message>
    <message>
        <source>Zeit weiterlaufen lassen (Strg+P)</source>
        <translation>Resume time (Ctrl+P)</translation>
    </message>
    <message>
        <source>Positionsbestimmung stoppen</source>
        <translation>Stop position fix</translation>
    </message>
    <message>
        <source>Positionsbestimmung starten</source>
        <translation>Start position fix</translation>
    </message>
</context>
<context>
    <name>core</name>
    <message>
        <source>Der Zugriff wurde verweigert.</source>
        <translation>Access was denied.</translation>
    </message>
    <message>
        <source>Sie kann nicht gelesen werden.</source>
        <translation>It cannot be read.</translation>
    </message>
    <message>
        <source>Sie ist nicht vorhanden.</source>
        <translation>It does not exist.</translation>
    </message>
    <message>
        <source>Sie ist ein Ordner.</source>
        <translation>It is a folder.</translation>
    </message>
    <message>
        <source>Sie ist keine gewöhnliche Datei.</source>
        <translation>It is not an ordinary file.</translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 konnte nicht geöffnet werden</source>
        <translation>The help file %1 could not be opened</translation>
    </message>
    <message>
        <source>Die Hilfedatei %1 ist nicht vorhanden</source>
        <translation>The help file %1 does not exist</translation>
    </message>
    <message>
        <source>Die Klasse %1 kann nicht aus einem Elementstrom gelesen werden</source>
        <translation>The class %1 cannot be read from an element stream</translation>
    </message>
    <message>
        <source>Lesefehler im Elementstrom</source>
        <translation>read error in the element stream</translation>
    </message>
    <message>
        <source>Elementstrom zu tief verschachtelt</source>
        <translation>element stream nested too deeply</translation>
    </message>
    <message>
        <source>Elementstrom endet vorzeitig</source>
        <translation>element stream ends early</translation>
    </message>
    <message>
        <source>Ungültiger Werttyp im Elementstrom (Tag %1)</source>
        <translation>invalid value type in the element stream (tag %1)</translation>
    </message>
    <message>
        <source>Ungültige Zeichenkettenlänge im Elementstrom</source>
        <translation>invalid string length in the element stream</translation>
    </message>
    <message>
        <source>Ungültiger Werttyp im Elementstrom (Tag %1), Zeichenkette erwartet</source>
        <translation>invalid value type in the element stream (tag %1), string expected</translation>
    </message>
    <message>
        <source>Zeichen erwartet, Zeichenkette der Länge %1 gelesen</source>
        <translation>character expected, string of length %1 read</translation>
    </message>
    <message>
        <source>Gleitkommazahl im Elementstrom außerhalb des Wertebereichs</source>
        <translation>floating-point number in the element stream out of range</translation>
    </message>
    <message>
        <source>konvergiert</source>
        <translation>converged</translation>
    </message>
    <message>
        <source>kein Schnittkreis der Kugeln 1 und 2</source>
        <translation>no circle of intersection of spheres 1 and 2</translation>
    </message>
    <message>
        <source>kein Schnittkreis der Kugeln 1 und 3</source>
        <translation>no circle of intersection of spheres 1 and 3</translation>
    </message>
    <message>
        <source>kein Schnittpunkt</source>
        <translation>no intersection</translation>
    </message>
    <message>
        <source>davongelaufen</source>
        <translation>diverged</translation>
    </message>
    <message>
        <source>Zeitgrenze überschritten</source>
        <translation>time limit exceeded</translation>
    </message>
    <message>
        <source>Der Schnittpunkt der ersten drei Kugeln liegt bis auf 1 cm auf der vierten Kugel.</source>
        <translation>The intersection of the first three spheres lies on the fourth sphere to within 1 cm.</translation>
    </message>
    <message>
        <source>Die Kugeln um den 1. und 2. Satelliten berühren sich nicht: Es gibt nichts zu schneiden.</source>
        <translation>The spheres around the 1st and 2nd satellites do not touch: there is nothing to intersect.</translation>
    </message>
    <message>
        <source>Die Kugeln um den 1. und 3. Satelliten berühren sich nicht: Es gibt nichts zu schneiden.</source>
        <translation>The spheres around the 1st and 3rd satellites do not touch: there is nothing to intersect.</translation>
    </message>
    <message>
        <source>Ein Radius wurde 0, die beiden Schnittebenen sind parallel, oder ihre Schnittgerade verfehlt die erste Kugel.</source>
        <translation>A radius became 0, the two planes of intersection are parallel, or their line of intersection misses the first sphere.</translation>
    </message>
    <message>
        <source>Die Korrekturen wurden immer größer statt kleiner, weit über jede mögliche Uhrabweichung hinaus.</source>
        <translation>The corrections grew larger instead of smaller, far beyond any possible clock offset.</translation>
    </message>
    <message>
        <source>Nach mehr als 2 Sekunden lag der Punkt noch immer nicht auf der vierten Kugel.</source>
        <translation>After more than 2 seconds the point still did not lie on the fourth sphere.</translation>
    </message>
    <message>
        <source>gefunden</source>
        <translation>found</translation>
    </message>
    <message>
        <source>zu wenige Signale</source>
        <translation>too few signals</translation>
    </message>
    <message>
        <source>keine Lösung</source>
        <translation>no solution</translation>
    </message>
    <message>
        <source>Das σ der Satellitenbahn muss eine Zahl von 0 bis 1000 m sein</source>
        <translation>The σ of the satellite orbit must be a number from 0 to 1000 m</translation>
    </message>
    <message>
        <source>Das σ der Satellitenuhr muss eine Zahl von 0 bis 1000 m sein</source>
        <translation>The σ of the satellite clock must be a number from 0 to 1000 m</translation>
    </message>
    <message>
        <source>Das σ der Ionosphäre muss eine Zahl von 0 bis 1000 m sein</source>
        <translation>The σ of the ionosphere must be a number from 0 to 1000 m</translation>
    </message>
    <message>
        <source>Das σ der Troposphäre muss eine Zahl von 0 bis 1000 m sein</source>
        <translation>The σ of the troposphere must be a number from 0 to 1000 m</translation>
    </message>
    <message>
        <source>Das σ des Mehrwegeempfangs muss eine Zahl von 0 bis 1000 m sein</source>
        <translation>The σ of multipath reception must be a number from 0 to 1000 m</translation>
    </message>
    <message>
        <source>Das σ des Empfängerrauschens muss eine Zahl von 0 bis 1000 m sein</source>
        <translation>The σ of receiver noise must be a number from 0 to 1000 m</translation>
    </message>
    <message>
        <source>Satellitenbahn</source>
        <translation>Satellite orbit</translation>
    </message>
    <message>
        <source>Satellitenuhr</source>
        <translation>Satellite clock</translation>
    </message>
    <message>
        <source>Ionosphäre</source>
        <translation>Ionosphere</translation>
    </message>
    <message>
        <source>Troposphäre</source>
        <translation>Troposphere</translation>
    </message>
    <message>
        <source>Mehrwegeempfang</source>
        <translation>Multipath reception</translation>
    </message>
    <message>
        <source>Empfängerrauschen</source>
        <translation>Receiver noise</translation>
    </message>
    <message>
        <source>Der Zuschlag des fehlerhaften Satelliten muss eine Zahl von 0 bis 1000 m sein</source>
        <translation>The extra of the faulty satellite must be a number from 0 to 1000 m</translation>
    </message>
    <message>
        <source>Der gemeinsame Versatz muss eine ganze Zahl von 0 bis 3333 ns (1000 m) sein</source>
        <translation>The common offset must be a whole number from 0 to 3333 ns (1000 m)</translation>
    </message>
    <message>
        <source>Die Nummer des fehlerhaften Satelliten muss eine ganze Zahl von 1 bis 24 sein</source>
        <translation>The number of the faulty satellite must be a whole number from 1 to 24</translation>
    </message>
    <message>
        <source>nur %1 Satellit – für Standort und Uhrabweichung braucht die Ausgleichsrechnung mindestens 4</source>
        <translation>only %1 satellite – for position and clock offset the least-squares fix needs at least 4</translation>
    </message>
    <message>
        <source>nur %1 Satelliten – für Standort und Uhrabweichung braucht die Ausgleichsrechnung mindestens 4</source>
        <translation>only %1 satellites – for position and clock offset the least-squares fix needs at least 4</translation>
    </message>
    <message>
        <source>die Geometrie ist entartet: Die Satelliten stehen (nahezu) auf einem Kreis um den Empfänger oder mit ihm in einer Ebene, so legen sie den Standort nicht fest</source>
        <translation>the geometry is degenerate: the satellites stand (nearly) on a circle around the receiver or in one plane with it, so they do not fix the position</translation>
    </message>
    <message>
        <source>die Ausgleichsrechnung kommt nach %1 Schritten nicht auf 1 mm zur Ruhe</source>
        <translation>the least-squares fix does not settle to 1 mm after %1 steps</translation>
    </message>
    <message>
        <source>Sie ist beschädigt: %1.</source>
        <translation>It is damaged: %1.</translation>
    </message>
    <message>
        <source>der Eintrag „%1“ hat nicht die erwartete Form</source>
        <translation>the entry “%1” does not have the expected form</translation>
    </message>
    <message>
        <source>ein Eintrag ist unvollständig</source>
        <translation>an entry is incomplete</translation>
    </message>
    <message>
        <source>ein Eintrag hat keinen Namen</source>
        <translation>an entry has no name</translation>
    </message>
    <message>
        <source>ein Eintrag steht zweimal darin</source>
        <translation>an entry is in it twice</translation>
    </message>
    <message>
        <source>der Eintrag „%1“ fehlt</source>
        <translation>the entry “%1” is missing</translation>
    </message>
    <message>
        <source>Unzulässige Satellitennummer %1</source>
        <translation>Invalid satellite number %1</translation>
    </message>
    <message>
        <source>Sie ist leer.</source>
        <translation>It is empty.</translation>
    </message>
    <message>
        <source>Sie ist keine Ortivo-Szenariodatei.</source>
        <translation>It is not an Ortivo scenario file.</translation>
    </message>
    <message>
        <source>Sie ist unvollständig.</source>
        <translation>It is incomplete.</translation>
    </message>
    <message>
        <source>Ihr Kopf ist unvollständig oder beschädigt.</source>
        <translation>Its head is incomplete or damaged.</translation>
    </message>
    <message>
        <source>Sie wurde mit einer neueren Ortivo-Version gespeichert (Dateiformat %1, dieses Programm liest bis Format %2).</source>
        <translation>It was saved with a newer version of Ortivo (file format %1, this program reads up to format %2).</translation>
    </message>
    <message>
        <source>Ihr Kopf ist beschädigt.</source>
        <translation>Its head is damaged.</translation>
    </message>
    <message>
        <source>Sie ist unvollständig: es fehlen %1 Bytes.</source>
        <translation>It is incomplete: %1 bytes are missing.</translation>
    </message>
    <message>
        <source>nach dem Szenario folgen noch %1 Bytes</source>
        <translation>%1 more bytes follow the scenario</translation>
    </message>
    <message>
        <source>die Prüfsumme stimmt nicht</source>
        <translation>the checksum does not match</translation>
    </message>
    <message>
        <source>ihr Inhalt endet vor dem Dateiende</source>
        <translation>its content ends before the end of the file</translation>
    </message>
    <message>
        <source>sie enthält Elemente, die dieses Programm nicht kennt</source>
        <translation>it contains elements this program does not know</translation>
    </message>
    <message>
        <source>Die Aufgabe ist zu lang: sie hat %1 Zeichen, erlaubt sind höchstens %2.</source>
        <translation>The task is too long: it has %1 characters, at most %2 are allowed.</translation>
    </message>
    <message>
        <source>Sie enthält unzulässige Werte: %1.</source>
        <translation>It contains invalid values: %1.</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht geöffnet werden. %2</source>
        <translation>The file “%1” cannot be opened. %2</translation>
    </message>
    <message>
        <source>Die Datei „%1“ kann nicht gespeichert werden. %2</source>
        <translation>The file “%1” cannot be saved. %2</translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen bei der x-Koordinate bzw. geographische Koordinaten wurden nicht in cartesische Koordinaten umgewandelt</source>
        <translation>Invalid character in the x coordinate, or geographic coordinates were not converted into cartesian coordinates</translation>
    </message>
    <message>
        <source>Es müssen mindestens 4 Satelliten empfangen werden</source>
        <translation>At least 4 satellites must be received</translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen bei der y-Koordinate</source>
        <translation>Invalid character in the y coordinate</translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen bei der z-Koordinate</source>
        <translation>Invalid character in the z coordinate</translation>
    </message>
    <message>
        <source>Unzulässiger Standort</source>
        <translation>Invalid position</translation>
    </message>
    <message>
        <source>Bei der Länge kan nur O oder W stehen</source>
        <translation>Longitude can only be E or W</translation>
    </message>
    <message>
        <source>Bei der Breite kann nur N oder S stehen</source>
        <translation>Latitude can only be N or S</translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen beim Längengrad</source>
        <translation>Invalid character in the longitude degrees</translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen beim Breitengrad</source>
        <translation>Invalid character in the latitude degrees</translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen bei den Längenminuten</source>
        <translation>Invalid character in the longitude minutes</translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen bei den Breitennminuten</source>
        <translation>Invalid character in the latitude minutes</translation>
    </message>
    <message>
        <source>Unzulässiges Zeichen bei der Höhenangabe</source>
        <translation>Invalid character in the height</translation>
    </message>
    <message>
        <source>Für eine Bewegung muss eine Geschwindigkeit&gt;0 eingegeben werden</source>
        <translation>A speed &gt; 0 must be entered to move</translation>
    </message>
    <message>
        <source>neue Satellitenkonstellation abwarten</source>
        <translation>wait for a new satellite constellation</translation>
    </message>
    <message>
        <source>Zeit weiterlaufen lassen</source>
        <translation>resume time</translation>
    </message>
    <message>
        <source>Satelliten reparieren, %1</source>
        <translation>repair satellites, %1</translation>
    </message>
    <message>
        <source>Position kann z.Zt. nicht bestimmt werden. Sie haben folgende Optionen: %1.</source>
        <translation>The position cannot be determined at present. You have the following options: %1.</translation>
    </message>
    <message>
        <source>Unzulässige Geschwindigkeit</source>
        <translation>Invalid speed</translation>
    </message>
    <message>
        <source>Bewegung ohne gesetzten Standort</source>
        <translation>Movement without a position set</translation>
    </message>
    <message>
        <source>Positionsbestimmung ohne gesetzten Standort</source>
        <translation>Position fix without a position set</translation>
    </message>
    <message>
        <source>Unzulässiger Simulationsschritt</source>
        <translation>Invalid simulation step</translation>
    </message>
    <message>
        <source>Unzulässige Satellitennummer</source>
        <translation>Invalid satellite number</translation>
    </message>
    <message>
        <source>Unzulässiger Zeitraffer</source>
        <translation>Invalid time lapse</translation>
    </message>
    <message>
        <source>Unzulässige Zahl der Messungen</source>
        <translation>Invalid number of measurements</translation>
    </message>
    <message>
        <source>Nummer</source>
        <translation>Number</translation>
    </message>
    <message>
        <source>defekt</source>
        <translation>defective</translation>
    </message>
    <message>
        <source>ja</source>
        <translation>yes</translation>
    </message>
    <message>
        <source>nein</source>
        <translation>no</translation>
    </message>
    <message>
        <source>Nr.</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>Simulationsschritt</source>
        <translation>Simulation step</translation>
    </message>
    <message>
        <source>Ergebnis</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>x tatsächlich (km)</source>
        <translation>x true (km)</translation>
    </message>
    <message>
        <source>y tatsächlich (km)</source>
        <translation>y true (km)</translation>
    </message>
    <message>
        <source>z tatsächlich (km)</source>
        <translation>z true (km)</translation>
    </message>
    <message>
        <source>x berechnet (km)</source>
        <translation>x computed (km)</translation>
    </message>
    <message>
        <source>y berechnet (km)</source>
        <translation>y computed (km)</translation>
    </message>
    <message>
        <source>z berechnet (km)</source>
        <translation>z computed (km)</translation>
    </message>
    <message>
        <source>Länge berechnet (Grad, Ost positiv)</source>
        <translation>Longitude computed (degrees, east positive)</translation>
    </message>
    <message>
        <source>Breite berechnet (Grad, Nord positiv)</source>
        <translation>Latitude computed (degrees, north positive)</translation>
    </message>
    <message>
        <source>Höhe berechnet (m)</source>
        <translation>Height computed (m)</translation>
    </message>
    <message>
        <source>Entfernung zum tatsächlichen Standort (km)</source>
        <translation>Distance from the true position (km)</translation>
    </message>
    <message>
        <source>Geschwindigkeit berechnet (km/h)</source>
        <translation>Speed computed (km/h)</translation>
    </message>
    <message>
        <source>empfangene Satelliten</source>
        <translation>received satellites</translation>
    </message>
    <message>
        <source>verwendete Satelliten</source>
        <translation>used satellites</translation>
    </message>
    <message>
        <source>versuchte Vierergruppen</source>
        <translation>groups of four tried</translation>
    </message>
    <message>
        <source>Iterationen</source>
        <translation>Iterations</translation>
    </message>
    <message>
        <source>defekte Satelliten</source>
        <translation>defective satellites</translation>
    </message>
    <message>
        <source>Uhrabweichung Kugeln (µs)</source>
        <translation>Clock offset spheres (µs)</translation>
    </message>
    <message>
        <source>Uhrabweichung Kugeln (m)</source>
        <translation>Clock offset spheres (m)</translation>
    </message>
    <message>
        <source>x Ausgleichsrechnung (km)</source>
        <translation>x least squares (km)</translation>
    </message>
    <message>
        <source>y Ausgleichsrechnung (km)</source>
        <translation>y least squares (km)</translation>
    </message>
    <message>
        <source>z Ausgleichsrechnung (km)</source>
        <translation>z least squares (km)</translation>
    </message>
    <message>
        <source>Entfernung Ausgleichsrechnung (km)</source>
        <translation>Distance least squares (km)</translation>
    </message>
    <message>
        <source>Uhrabweichung Ausgleichsrechnung (µs)</source>
        <translation>Clock offset least squares (µs)</translation>
    </message>
    <message>
        <source>Uhrabweichung Ausgleichsrechnung (m)</source>
        <translation>Clock offset least squares (m)</translation>
    </message>
    <message>
        <source>sehr gute Geometrie</source>
        <translation>very good geometry</translation>
    </message>
    <message>
        <source>gute Geometrie</source>
        <translation>good geometry</translation>
    </message>
    <message>
        <source>mäßige Geometrie</source>
        <translation>moderate geometry</translation>
    </message>
    <message>
        <source>schlechte Geometrie</source>
        <translation>poor geometry</translation>
    </message>
    <message>
        <source>%1 (PDOP %2)</source>
        <translation>%1 (PDOP %2)</translation>
    </message>
    <message>
        <source>nur %1 Satellit – für Standort und Uhrabweichung braucht der Empfänger mindestens 4</source>
        <translation>only %1 satellite – for position and clock offset the receiver needs at least 4</translation>
    </message>
    <message>
        <source>nur %1 Satelliten – für Standort und Uhrabweichung braucht der Empfänger mindestens 4</source>
        <translation>only %1 satellites – for position and clock offset the receiver needs at least 4</translation>
    </message>
    <message>
        <source>vier Kugeln</source>
        <translation>four spheres</translation>
    </message>
    <message>
        <source>Ausgleichsrechnung</source>
        <translation>least squares</translation>
    </message>
    <message>
        <source>Verfahren</source>
        <translation>Method</translation>
    </message>
    <message>
        <source>Ost (m)</source>
        <translation>East (m)</translation>
    </message>
    <message>
        <source>Nord (m)</source>
        <translation>North (m)</translation>
    </message>
    <message>
        <source>Oben (m)</source>
        <translation>Up (m)</translation>
    </message>
    <message>
        <source>Abstand im Raum (m)</source>
        <translation>Distance in space (m)</translation>
    </message>
    <message>
        <source>Uhrabweichung (µs)</source>
        <translation>Clock offset (µs)</translation>
    </message>
    <message>
        <source>Uhrabweichung (m)</source>
        <translation>Clock offset (m)</translation>
    </message>
    <message>
        <source>Satellit</source>
        <translation>Satellite</translation>
    </message>
    <message>
        <source>Elevation (Grad)</source>
        <translation>Elevation (degrees)</translation>
    </message>
    <message>
        <source>fehlerhafter Satellit (m)</source>
        <translation>faulty satellite (m)</translation>
    </message>
    <message>
        <source>Summe (m)</source>
        <translation>Sum (m)</translation>
    </message>
    <message>
        <source>Residuum (m)</source>
        <translation>Residual (m)</translation>
    </message>
    <message>
        <source>N</source>
        <translation>N</translation>
    </message>
    <message>
        <source>O</source>
        <translation>E</translation>
    </message>
    <message>
        <source>S</source>
        <translation>S</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>Zur weiteren Demonstation OK drücken</source>
        <translation>Press OK to continue the demonstration</translation>
    </message>
    <message>
        <source>GPS-Satelliten (rot) umkreisen die Erde (grün).</source>
        <translation>GPS satellites (red) circle the earth (green).</translation>
    </message>
    <message>
        <source>Ein GPS-Empfänger (gelb) wird (an zufälliger Stelle) positioniert.</source>
        <translation>A GPS receiver (yellow) is put down (at a random place).</translation>
    </message>
    <message>
        <source>Die Signale der 3 nächsten Satelliten (durchgehend gezeichnet)</source>
        <translation>The signals of the 3 nearest satellites (drawn solid)</translation>
    </message>
    <message>
        <source>werden registriert. In den Signalen ist die Satellitenposition</source>
        <translation>are registered. The signals carry the satellite&apos;s position.</translation>
    </message>
    <message>
        <source>gespeichert. Außerdem misst der Empfänger die Laufzeitunterschiede</source>
        <translation>The receiver also measures the differences in travel time</translation>
    </message>
    <message>
        <source>der 3 Signale. (Im Raum werden 4 Signale benötigt.)</source>
        <translation>of the 3 signals. (In space 4 signals are needed.)</translation>
    </message>
    <message>
        <source>Der GPS-Empfänger nimmt für das zuerst empfangene Signal eine</source>
        <translation>The GPS receiver assumes a fictive travel time for the signal</translation>
    </message>
    <message>
        <source>fiktive Laufzeit an und berechnet für die beiden anderen Signale</source>
        <translation>received first and, from the differences in travel time,</translation>
    </message>
    <message>
        <source>unter Berücksichtigung der Laufzeitunterschiede ebenfalls fiktive</source>
        <translation>computes fictive travel times for the other two signals</translation>
    </message>
    <message>
        <source>Laufzeiten. Der Empfänger muss sich dann auf Kreisen um die</source>
        <translation>as well. The receiver must then lie on circles around the</translation>
    </message>
    <message>
        <source>Satelliten mit den entsprechenden Laufzeitradien befinden.</source>
        <translation>satellites with the corresponding travel-time radii.</translation>
    </message>
    <message>
        <source>(Im Raum befindet sich der Empfänger auf entsprechenden</source>
        <translation>(In space the receiver lies on the corresponding</translation>
    </message>
    <message>
        <source>Kugeloberflächen.) Zwei Kreise werden nun zum Schnitt gebracht.</source>
        <translation>sphere surfaces.) Two circles are now intersected.</translation>
    </message>
    <message>
        <source>Daraus ergibt sich ein möglicher Standort des Satelliten -</source>
        <translation>This gives a possible position of the satellite -</translation>
    </message>
    <message>
        <source>der 2. Schnittpunkt scheidet aus Plausibilitätsgründen aus.</source>
        <translation>the 2nd intersection is ruled out as implausible.</translation>
    </message>
    <message>
        <source>(Im Raum werden drei Kugeln zum Schnitt gebracht.)</source>
        <translation>(In space three spheres are intersected.)</translation>
    </message>
    <message>
        <source>Dieser Schnittpunkt könnte theoretisch der korrekte Standort</source>
        <translation>In theory this intersection could be the correct position,</translation>
    </message>
    <message>
        <source>sein, was aber wegen der fiktiven Radien in der Regel nicht</source>
        <translation>but because of the fictive radii it usually</translation>
    </message>
    <message>
        <source>der Fall ist.</source>
        <translation>is not.</translation>
    </message>
    <message>
        <source>Die Kreise mit den vergrößerten bzw. verkleinerten Radien werden</source>
        <translation>The circles with the increased or reduced radii are</translation>
    </message>
    <message>
        <source>zum Schnitt gebracht</source>
        <translation>intersected</translation>
    </message>
    <message>
        <source>Es wird nun geprüft, ob der berechnete Standort der korrekte</source>
        <translation>Now it is checked whether the computed position is the correct</translation>
    </message>
    <message>
        <source>Standort ist. Dazu wird untersucht, ob dieser Standort auf</source>
        <translation>position. For this, it is examined whether this position lies on</translation>
    </message>
    <message>
        <source>dem dritten Kreis liegt. (Im Raum wird die Prüfung mit einer</source>
        <translation>the third circle. (In space the check is made with a</translation>
    </message>
    <message>
        <source>4. Kugel vorgenommen.)</source>
        <translation>4th sphere.)</translation>
    </message>
    <message>
        <source>Der berechnete Standort ist korrekt, da er auf dem dritten</source>
        <translation>The computed position is correct because it lies on the third</translation>
    </message>
    <message>
        <source>Kreis liegt.</source>
        <translation>circle.</translation>
    </message>
    <message>
        <source>Der berechnete Standort ist nicht korrekt, da er außerhalb des</source>
        <translation>The computed position is not correct because it lies outside the</translation>
    </message>
    <message>
        <source>dritten Kreises liegt. Die fiktiven Radien waren zu klein gewählt.</source>
        <translation>third circle. The fictive radii were chosen too small.</translation>
    </message>
    <message>
        <source>Die Radien werden vergrößert und die Berechnungsschritte</source>
        <translation>The radii are increased and the calculation steps</translation>
    </message>
    <message>
        <source>erneut durchgeführt.</source>
        <translation>are carried out again.</translation>
    </message>
    <message>
        <source>Der berechnete Standort ist nicht korrekt, da er innerhalb des</source>
        <translation>The computed position is not correct because it lies inside the</translation>
    </message>
    <message>
        <source>dritten Kreises liegt. Die fiktiven Radien waren zu groß gewählt.</source>
        <translation>third circle. The fictive radii were chosen too large.</translation>
    </message>
    <message>
        <source>Die Radien werden verkleinert und die Berechnungsschritte</source>
        <translation>The radii are reduced and the calculation steps</translation>
    </message>
    <message>
        <source>Satellitenstörung - biite Demo schließen</source>
        <translation>Satellite fault - please close the demo</translation>
    </message>
    <message>
        <source>Der GPS-Empfänger empfängt Signale von %1 Satelliten.</source>
        <translation>The GPS receiver receives signals from %1 satellites.</translation>
    </message>
    <message>
        <source>Algorithmus</source>
        <translation>Algorithm</translation>
    </message>
    <message>
        <source>Anhalten</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>Fortsetzen</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Weiter</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>4 Satelliten werden zur Berechnung herangezogen</source>
        <translation>4 satellites are used for the calculation</translation>
    </message>
    <message>
        <source>Zur weiteren Erläuterung siehe Hilfestellung und 2D-Demonstration</source>
        <translation>For more explanation see the help and the 2D demonstration</translation>
    </message>
    <message>
        <source>3 Kugeln werden zum Schnitt gebracht.</source>
        <translation>3 spheres are intersected.</translation>
    </message>
    <message>
        <source>Einer der beiden Schnittpunkte kommt als möglicher Standort in Betracht.</source>
        <translation>One of the two intersection points is considered as the possible position.</translation>
    </message>
    <message>
        <source>Abstand des mögklichen Standorts zur Oberfläche der 4.Kugel:</source>
        <translation>Distance of the possible position from the surface of the 4th sphere:</translation>
    </message>
    <message>
        <source>%1 Meter.</source>
        <translation>%1 metres.</translation>
    </message>
    <message>
        <source>Dieser mögliche Standort liegt in der Nähe der 4.Kugel.</source>
        <translation>This possible position lies close to the 4th sphere.</translation>
    </message>
    <message>
        <source>Der Standort wurde gefunden und das Verfahren wird beendet</source>
        <translation>The position has been found and the method ends</translation>
    </message>
    <message>
        <source>Dieser mögliche Standort liegt innerhalb der 4.Kugel.</source>
        <translation>This possible position lies inside the 4th sphere.</translation>
    </message>
    <message>
        <source>Daher werden die Kugelradien verkleinert und das Verfahren wiederholt.</source>
        <translation>So the sphere radii are reduced and the method is repeated.</translation>
    </message>
    <message>
        <source>Dieser mögliche Standort liegt außerhalb der 4.Kugel.</source>
        <translation>This possible position lies outside the 4th sphere.</translation>
    </message>
    <message>
        <source>Daher werden die Kugelradien vergrößert und das Verfahren wiederholt.</source>
        <translation>So the sphere radii are increased and the method is repeated.</translation>
    </message>
    <message>
        <source>Abbrechen</source>
        <translation>Abort</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Noch kein Standort des Empfängers: Erzeugen Sie ihn im Hauptfenster oder geben Sie ihn dort ein.</source>
        <translation>No position of the receiver yet: generate it in the main window or enter it there.</translation>
    </message>
    <message>
        <source>noch keine Positionsbestimmung an diesem Standort</source>
        <translation>no position fix at this position yet</translation>
    </message>
    <message>
        <source>die letzte Positionsbestimmung fand keinen Standort</source>
        <translation>the last position fix found no position</translation>
    </message>
    <message>
        <source>4 verwendete:</source>
        <translation>4 used:</translation>
    </message>
    <message>
        <source>Alle empfangenen:</source>
        <translation>All received:</translation>
    </message>
    <message>
        <source>Sie ist zu groß für ein Ortivo-Szenario.</source>
        <translation>It is too large for an Ortivo scenario.</translation>
    </message>
</context>
</TS>
