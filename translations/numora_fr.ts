<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr_CA">
<context>
    <name>ChartSizeDialog</name>
    <message>
        <source>Chart size</source>
        <translation>Taille du graphique</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>Largeur :</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>Hauteur :</translation>
    </message>
</context>
<context>
    <name>KenoTipsPage</name>
    <message>
        <source>Undo</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Bring back the tip list as it was before the last calculation, test, deletion or loaded file (Ctrl+Z)</source>
        <translation>Rétablir la liste des grilles telle qu&apos;elle était avant le dernier calcul, test, effacement ou fichier chargé (Ctrl+Z)</translation>
    </message>
</context>
<context>
    <name>NumberChoiceDialog</name>
    <message>
        <source>Midday draw</source>
        <translation>Tirage du midi</translation>
    </message>
</context>
<context>
    <name>Numora</name>
    <message>
        <source>Keno Lottery</source>
        <translation>Loterie Keno</translation>
    </message>
    <message>
        <source>Summer cross</source>
        <translation>Somme des numéros</translation>
    </message>
    <message>
        <source>Updating the lottery numbers from the Internet</source>
        <translation>Mettre à jour les numéros tirés depuis Internet</translation>
    </message>
    <message>
        <source>Stop reading</source>
        <translation>Arrêter la lecture</translation>
    </message>
    <message>
        <source>previous draw</source>
        <translation>tirage précédent</translation>
    </message>
    <message>
        <source>next draw</source>
        <translation>tirage suivant</translation>
    </message>
    <message>
        <source>Tip series</source>
        <translation>Série de grilles</translation>
    </message>
    <message>
        <source>properly             </source>
        <translation>bons numéros   </translation>
    </message>
    <message>
        <source>Numbers per Tip</source>
        <translation>Numéros par grille</translation>
    </message>
    <message>
        <source>Tips per ticket</source>
        <translation>Grilles par billet</translation>
    </message>
    <message>
        <source>Total Tips</source>
        <translation>Grilles au total</translation>
    </message>
    <message>
        <source>Wieviele Tipps wollen Sie berechnen?</source>
        <translation>Combien de grilles voulez-vous calculer?</translation>
    </message>
    <message>
        <source>Cost per Tip</source>
        <translation>Coût par grille</translation>
    </message>
    <message>
        <source>Delete before calculating</source>
        <translation>Effacer avant le calcul</translation>
    </message>
    <message>
        <source>1. ticket</source>
        <translation>Billet 1</translation>
    </message>
    <message>
        <source>1. tip</source>
        <translation>Grille 1</translation>
    </message>
    <message>
        <source>numbers of the selected editing tips</source>
        <translation>Modifier les numéros de la grille choisie</translation>
    </message>
    <message>
        <source>Delete all tips</source>
        <translation>Effacer toutes les grilles</translation>
    </message>
    <message>
        <source>Auswertung und Ermittlung der Gewinnsumme</source>
        <translation>Vérification et calcul des gains</translation>
    </message>
    <message>
        <source>calculate Tips </source>
        <translation>Calculer les grilles</translation>
    </message>
    <message>
        <source>start Tips calculate</source>
        <translation>Lancer le calcul des grilles</translation>
    </message>
    <message>
        <source>Lucky Number</source>
        <translation>N° chanceux</translation>
    </message>
    <message>
        <source>set lucky number</source>
        <translation>Choisir le numéro chanceux</translation>
    </message>
    <message>
        <source>Saving Tips calculated in a file</source>
        <translation>Enregistrer les grilles calculées dans un fichier</translation>
    </message>
    <message>
        <source>Load the file of a Tips</source>
        <translation>Charger un fichier de grilles</translation>
    </message>
    <message>
        <source>Tip</source>
        <translation>Billet</translation>
    </message>
    <message>
        <source>Tip distribution</source>
        <translation>Répartition</translation>
    </message>
    <message>
        <source>Print or save as PDF: tips, ticket sheet, evaluation, back-test report</source>
        <translation>Imprimer ou enregistrer en PDF : grilles, feuille de billets, vérification, rapport de test</translation>
    </message>
    <message>
        <source>DB search tips</source>
        <translation>Chercher les grilles dans les tirages</translation>
    </message>
    <message>
        <source>close</source>
        <translation>fermer</translation>
    </message>
    <message>
        <source>Numbers that were drawn very often</source>
        <translation>Numéros tirés très souvent</translation>
    </message>
    <message>
        <source>Numbers are the longest overdue</source>
        <translation>Numéros absents depuis le plus longtemps</translation>
    </message>
    <message>
        <source>Numbers drawn particularly rare</source>
        <translation>Numéros tirés particulièrement rarement</translation>
    </message>
    <message>
        <source>Die erste X Prozent werden mit einer Höheren Wahrscheinlichkeit versehen</source>
        <translation>Les X premiers pour cent reçoivent une probabilité plus élevée</translation>
    </message>
    <message>
        <source>Tip must still comply with any               from the database</source>
        <translation>La grille doit égaler               numéros d&apos;un tirage</translation>
    </message>
    <message>
        <source>Tip may not correspond to              in the last                draws</source>
        <translation>Grille : pas plus de              dans les                derniers tirages</translation>
    </message>
    <message>
        <source>maximum             and minimum              number of the last drawing permit</source>
        <translation>maximum             et minimum              numéros du dernier tirage</translation>
    </message>
    <message>
        <source>maximum             and minimum              number of penultimate drawing permit</source>
        <translation>maximum             et minimum              numéros de l&apos;avant-dernier tirage</translation>
    </message>
    <message>
        <source>maximum             and minimum              number one before the draw permit</source>
        <translation>maximum             et minimum              numéros du tirage d&apos;avant</translation>
    </message>
    <message>
        <source>Extra-Option:</source>
        <translation>Option supplémentaire :</translation>
    </message>
    <message>
        <source>adjacent numbers of the last draw, prefer</source>
        <translation>préférer les voisins des numéros du dernier tirage</translation>
    </message>
    <message>
        <source>Numbers of the last               contractions using</source>
        <translation>Numéros des               derniers tirages seulement</translation>
    </message>
    <message>
        <source>Number of draws of a date in all years</source>
        <translation>Tirages de la même date, toutes années</translation>
    </message>
    <message>
        <source>Zahlen nur von einem Wochentag verwenden</source>
        <translation>Numéros d&apos;un seul jour de la semaine</translation>
    </message>
    <message>
        <source>maximum of                 matches with other tips</source>
        <translation>maximum de                 numéros communs avec les autres grilles</translation>
    </message>
    <message>
        <source>minimum of                  matches with other tips</source>
        <translation>minimum de                  numéros communs avec les autres grilles</translation>
    </message>
    <message>
        <source>Min / Max: Tip meet every need with every entry, this condition</source>
        <translation>Min / Max : chaque grille respecte la condition avec chaque autre</translation>
    </message>
    <message>
        <source>Tip enforcing one pairing per</source>
        <translation>Imposer une paire par grille</translation>
    </message>
    <message>
        <source>no threesomes, foursomes ... pairs</source>
        <translation>pas de triplets, quadruplets ... seulement des paires</translation>
    </message>
    <message>
        <source>Numbers with a frequent pairs prefer education</source>
        <translation>Préférer les numéros formant des paires fréquentes</translation>
    </message>
    <message>
        <source>rarest</source>
        <translation>plus rares</translation>
    </message>
    <message>
        <source>Numbers with a common triad education prefer</source>
        <translation>Préférer les numéros formant des triplets fréquents</translation>
    </message>
    <message>
        <source>Numbers with a frequent four-group prefer formation</source>
        <translation>Préférer les numéros formant des quadruplets fréquents</translation>
    </message>
    <message>
        <source> cross sum :                   -                    in the tip allow</source>
        <translation> somme :                   -                    permise dans la grille</translation>
    </message>
    <message>
        <source>at least                      prime numbers in any tip</source>
        <translation>au moins                      nombres premiers par grille</translation>
    </message>
    <message>
        <source>at least                      even numbers in any tip</source>
        <translation>au moins                      nombres pairs par grille</translation>
    </message>
    <message>
        <source>at least                      odd numbers in any tip</source>
        <translation>au moins                      nombres impairs par grille</translation>
    </message>
    <message>
        <source>Edit List for Tip numbers</source>
        <translation>Liste de numéros à modifier pour les grilles</translation>
    </message>
    <message>
        <source>Tip for the preferred use numbers only!</source>
        <translation>Grilles avec les numéros préférés seulement!</translation>
    </message>
    <message>
        <source>Max calculation runs</source>
        <translation>Passes de calcul max.</translation>
    </message>
    <message>
        <source>thousand</source>
        <translation>mille</translation>
    </message>
    <message>
        <source>Ziehungsdaten afür das gewählte Datu aus der Datenbank heraussuchen</source>
        <translation>Chercher le tirage de la date choisie</translation>
    </message>
    <message>
        <source>update database</source>
        <translation>Mettre à jour</translation>
    </message>
    <message>
        <source>every tip size 2..10</source>
        <translation>toutes les tailles 2..10</translation>
    </message>
    <message>
        <source>Show the odds of every tip size, not only the numbers per tip</source>
        <translation>Afficher les chances de toutes les tailles de grille, pas seulement celle choisie</translation>
    </message>
    <message>
        <source>Import from Text</source>
        <translation>Importer un texte</translation>
    </message>
    <message>
        <source>Import draws from a text or CSV file</source>
        <translation>Importer des tirages d&apos;un fichier texte ou CSV</translation>
    </message>
    <message>
        <source>Back-test report</source>
        <translation>Rapport du test rétrospectif</translation>
    </message>
    <message>
        <source>Open in editor</source>
        <translation>Ouvrir dans l&apos;éditeur</translation>
    </message>
    <message>
        <source>Save as…</source>
        <translation>Enregistrer sous…</translation>
    </message>
    <message>
        <source>With the chosen date starts the evaluation</source>
        <translation>L&apos;analyse commence à la date choisie</translation>
    </message>
    <message>
        <source>Distribution of numbers drawn</source>
        <translation>Répartition des numéros tirés</translation>
    </message>
    <message>
        <source>Cross sum </source>
        <translation>Somme</translation>
    </message>
    <message>
        <source>Distribution of cross sums</source>
        <translation>Répartition des sommes des numéros</translation>
    </message>
    <message>
        <source>pairs</source>
        <translation>paires</translation>
    </message>
    <message>
        <source>How many pairs of which was drawn. Below is the first number of the pair</source>
        <translation>Combien de fois chaque paire a été tirée. En bas, le premier numéro de la paire</translation>
    </message>
    <message>
        <source>three</source>
        <translation>triplets</translation>
    </message>
    <message>
        <source>How often triple what was drawn. Below is the first number of the three</source>
        <translation>Combien de fois chaque triplet a été tiré. En bas, le premier numéro du triplet</translation>
    </message>
    <message>
        <source>four</source>
        <translation>quadr.</translation>
    </message>
    <message>
        <source>How often which of four was drawn. Below is the first number of the four</source>
        <translation>Combien de fois chaque quadruplet a été tiré. En bas, le premier numéro du quadruplet</translation>
    </message>
    <message>
        <source>pending</source>
        <translation>retard</translation>
    </message>
    <message>
        <source>Which number was not drawn the longest?</source>
        <translation>Quel numéro n&apos;a pas été tiré depuis le plus longtemps?</translation>
    </message>
    <message>
        <source>Save chart as PNG or SVG</source>
        <translation>Enregistrer le graphique en PNG ou SVG</translation>
    </message>
    <message>
        <source>pairs seeking</source>
        <translation>Chercher paires</translation>
    </message>
    <message>
        <source>three search</source>
        <translation>Chercher triplets</translation>
    </message>
    <message>
        <source>four search</source>
        <translation>Chercher quadr.</translation>
    </message>
    <message>
        <source>delete</source>
        <translation>effacer</translation>
    </message>
    <message>
        <source>insert/edit</source>
        <translation>saisir/modifier</translation>
    </message>
    <message>
        <source>Export to Text</source>
        <translation>Exporter en texte</translation>
    </message>
    <message>
        <source>Historical analysis of the parameters starting with the selected date above</source>
        <translation>Analyse historique des paramètres à partir de la date choisie ci-dessus</translation>
    </message>
    <message>
        <source>Tip calculate and test how successful this would have until today</source>
        <translation>Calculer les grilles et tester leur succès jusqu&apos;à aujourd&apos;hui</translation>
    </message>
    <message>
        <source>Tip calculate and test the success of each in the next drawing</source>
        <translation>Calculer les grilles à chaque tirage et tester le succès au tirage suivant</translation>
    </message>
    <message>
        <source>Historical analysis start date above</source>
        <translation>Analyse historique à partir de la date ci-dessus</translation>
    </message>
    <message>
        <source>Test often occur as the numbers drawn in each of the next draw</source>
        <translation>Tester combien de numéros tirés reviennent au tirage suivant</translation>
    </message>
    <message>
        <source>Test how often the numbers appear in each of the next draw</source>
        <translation>Tester combien de numéros reviennent au deuxième tirage suivant</translation>
    </message>
    <message>
        <source>Test as often occur in the numbers of each of the next contraction</source>
        <translation>Tester combien de numéros reviennent au troisième tirage suivant</translation>
    </message>
    <message>
        <source>Test how often the numbers appear in the next 3 drawings</source>
        <translation>Tester combien de numéros reviennent dans les 3 tirages suivants</translation>
    </message>
    <message>
        <source>Test how often the numbers appear in the last 3 drawings</source>
        <translation>Tester combien de numéros reviennent des 3 derniers tirages</translation>
    </message>
    <message>
        <source>Proxy-Server</source>
        <translation>Mandataire</translation>
    </message>
    <message>
        <source>Porxy-Port</source>
        <translation>Port</translation>
    </message>
    <message>
        <source>Results site</source>
        <translation>Site des résultats</translation>
    </message>
    <message>
        <source>The address of the results site, for example https://results.example</source>
        <translation>L&apos;adresse du site des résultats, par exemple https://results.example</translation>
    </message>
    <message>
        <source>Accept any certificate</source>
        <translation>Accepter tout certificat</translation>
    </message>
    <message>
        <source>Only for a results site you trust that has no valid certificate</source>
        <translation>Seulement pour un site de résultats de confiance sans certificat valide</translation>
    </message>
    <message>
        <source>For updates and the latest version is available from:</source>
        <translation>Mises à jour et dernière version :</translation>
    </message>
    <message>
        <source>The current draws and rates from Ontario Daily Keno see:</source>
        <translation>Tirages et lots actuels du Daily Keno :</translation>
    </message>
    <message>
        <source>The current draws and rates from Atlantic Keno see:</source>
        <translation>Tirages et lots actuels du Keno Atlantic :</translation>
    </message>
    <message>
        <source>More programs by Veltrin software can be found at:</source>
        <translation>Autres logiciels de Veltrin :</translation>
    </message>
    <message>
        <source>Keno-Tips</source>
        <translation>Grilles Keno</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Chart</source>
        <translation>Graphique</translation>
    </message>
    <message>
        <source>Database</source>
        <translation>Tirages</translation>
    </message>
    <message>
        <source>Odds</source>
        <translation>Chances</translation>
    </message>
    <message>
        <source>Internet-Options</source>
        <translation>Options Internet</translation>
    </message>
    <message>
        <source>Numbers</source>
        <translation>Numéros</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Trouvés</translation>
    </message>
    <message>
        <source>Chance</source>
        <translation>Probabilité</translation>
    </message>
    <message>
        <source>Prize</source>
        <translation>Lot</translation>
    </message>
    <message>
        <source>Share of return</source>
        <translation>Part du retour</translation>
    </message>
    <message>
        <source>Observed</source>
        <translation>Observés</translation>
    </message>
    <message>
        <source>Expected</source>
        <translation>Attendus</translation>
    </message>
    <message>
        <source>Tested as</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>There is no back-test report yet: run a back-test first.</source>
        <translation>Il n&apos;y a pas encore de rapport de test : lancez d&apos;abord un test rétrospectif.</translation>
    </message>
    <message>
        <source>The chart&apos;s size is 100 to 10000 pixels a side.</source>
        <translation>Le graphique mesure de 100 à 10000 pixels de côté.</translation>
    </message>
    <message>
        <source>No date before %1: the field shows the earliest one</source>
        <translation>Aucune date avant le %1 : le champ affiche la plus ancienne</translation>
    </message>
    <message>
        <source>Tip success test (one calculation)</source>
        <translation>Test de succès des grilles (un calcul)</translation>
    </message>
    <message>
        <source>Tip success test (a calculation per draw)</source>
        <translation>Test de succès des grilles (un calcul par tirage)</translation>
    </message>
    <message>
        <source>Recurrence test (next draw)</source>
        <translation>Test de retour (tirage suivant)</translation>
    </message>
    <message>
        <source>Recurrence test (second next draw)</source>
        <translation>Test de retour (deuxième tirage suivant)</translation>
    </message>
    <message>
        <source>Recurrence test (third next draw)</source>
        <translation>Test de retour (troisième tirage suivant)</translation>
    </message>
    <message>
        <source>Recurrence test (next three draws)</source>
        <translation>Test de retour (trois tirages suivants)</translation>
    </message>
    <message>
        <source>Recurrence test (last three draws)</source>
        <translation>Test de retour (trois derniers tirages)</translation>
    </message>
    <message>
        <source>Back-test</source>
        <translation>Test rétrospectif</translation>
    </message>
    <message>
        <source>Run a tip success test or a recurrence test to see its hit counts against chance.</source>
        <translation>Lancez un test de succès ou un test de retour pour comparer ses résultats au hasard.</translation>
    </message>
    <message>
        <source>cross sum: %1</source>
        <translation>somme : %1</translation>
    </message>
    <message>
        <source>Import from Text: %1%</source>
        <translation>Importation du texte : %1 %</translation>
    </message>
    <message>
        <source>No draws of Keno Atlantic yet: import a file on the &quot;Database&quot; tab, or enter the results site on the &quot;Internet-Options&quot; tab and update.</source>
        <translation>Aucun tirage du Keno Atlantic pour l&apos;instant : importez un fichier dans l&apos;onglet « Tirages », ou entrez le site des résultats dans l&apos;onglet « Options Internet » et mettez à jour.</translation>
    </message>
    <message>
        <source>No draws of Daily Keno yet: import a file on the &quot;Database&quot; tab, or enter the results site on the &quot;Internet-Options&quot; tab and update.</source>
        <translation>Aucun tirage du Daily Keno pour l&apos;instant : importez un fichier dans l&apos;onglet « Tirages », ou entrez le site des résultats dans l&apos;onglet « Options Internet » et mettez à jour.</translation>
    </message>
    <message>
        <source>Change the parameters to calculate %1  Tips </source>
        <translation>Modifiez les paramètres pour calculer %1 grilles</translation>
    </message>
    <message>
        <source>Tips have been recalculated</source>
        <translation>Les grilles ont été recalculées</translation>
    </message>
    <message>
        <source>numbers and confirm with OK</source>
        <translation>Choisissez les numéros et confirmez avec OK</translation>
    </message>
    <message>
        <source>Select figures for calculation</source>
        <translation>Choisir les numéros pour le calcul</translation>
    </message>
    <message>
        <source>Not guarantee the accuracy of the figures!</source>
        <translation>L&apos;exactitude des numéros n&apos;est pas garantie!</translation>
    </message>
    <message>
        <source>No new draws</source>
        <translation>Aucun nouveau tirage</translation>
    </message>
    <message>
        <source>Which number is overdue, as was not since as many draws held?</source>
        <translation>Quel numéro est en retard, et depuis combien de tirages?</translation>
    </message>
    <message>
        <source>Cross-sum: %1</source>
        <translation>Somme : %1</translation>
    </message>
    <message>
        <source>Draws per best hit count of the tips</source>
        <translation>Tirages selon le meilleur résultat des grilles</translation>
    </message>
    <message>
        <source>Number distribution of the tips</source>
        <translation>Répartition des numéros des grilles</translation>
    </message>
    <message>
        <source>First select a tip from</source>
        <translation>Choisissez d&apos;abord une grille</translation>
    </message>
    <message>
        <source>Select numbers for calculation</source>
        <translation>Choisir les numéros pour le calcul</translation>
    </message>
    <message>
        <source>%1. ticket</source>
        <translation>Billet %1</translation>
    </message>
    <message>
        <source>%1. tip</source>
        <translation>Grille %1</translation>
    </message>
    <message>
        <source>Sweep</source>
        <translation>Balayage</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>Arrêter</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation>Enregistrer en CSV</translation>
    </message>
    <message>
        <source>Your lucky number (1-99999999)?</source>
        <translation>Votre numéro chanceux (1-99999999)?</translation>
    </message>
    <message>
        <source>Enter your lucky number for the random number generator!</source>
        <translation>Entrez votre numéro chanceux pour le générateur de nombres aléatoires!</translation>
    </message>
    <message>
        <source>Error - lucky number</source>
        <translation>Erreur - numéro chanceux</translation>
    </message>
    <message>
        <source>Pick a setting of the sweep first.</source>
        <translation>Choisissez d&apos;abord un réglage du balayage.</translation>
    </message>
    <message>
        <source>Setting applied: %1</source>
        <translation>Réglage appliqué : %1</translation>
    </message>
    <message>
        <source>No sweep result to save.</source>
        <translation>Aucun résultat de balayage à enregistrer.</translation>
    </message>
    <message>
        <source>CSV file</source>
        <translation>Fichier CSV</translation>
    </message>
    <message>
        <source>Cannot write file &quot;%1&quot;.</source>
        <translation>Impossible d&apos;écrire le fichier « %1 ».</translation>
    </message>
    <message>
        <source>PDF document</source>
        <translation>Document PDF</translation>
    </message>
    <message>
        <source>PNG image</source>
        <translation>Image PNG</translation>
    </message>
    <message>
        <source>SVG drawing</source>
        <translation>Dessin SVG</translation>
    </message>
    <message>
        <source>A chart is saved as a PNG image (.png) or an SVG drawing (.svg).</source>
        <translation>Un graphique s&apos;enregistre en image PNG (.png) ou en dessin SVG (.svg).</translation>
    </message>
    <message>
        <source>Cannot write %1</source>
        <translation>Impossible d&apos;écrire %1</translation>
    </message>
    <message>
        <source>The settings could not be saved: %1</source>
        <translation>Les réglages n&apos;ont pas pu être enregistrés : %1</translation>
    </message>
    <message>
        <source>The tip list could not be saved: %1</source>
        <translation>La liste des grilles n&apos;a pas pu être enregistrée : %1</translation>
    </message>
    <message>
        <source>%1 is varied twice</source>
        <translation>%1 varie deux fois</translation>
    </message>
    <message>
        <source>A sweep varies at most three options</source>
        <translation>Un balayage fait varier trois options au plus</translation>
    </message>
    <message>
        <source>Sweep: %1 of %2 settings, about %3 s left</source>
        <translation>Balayage : %1 réglages sur %2, environ %3 s restantes</translation>
    </message>
    <message>
        <source>Sweep: %1 of %2 settings</source>
        <translation>Balayage : %1 réglages sur %2</translation>
    </message>
    <message>
        <source>%1 · %2 · %3 to %4 · %5 · %6</source>
        <translation>%1 · %2 · du %3 au %4 · %5 · %6</translation>
    </message>
    <message>
        <source>%1 cycle</source>
        <translation>%1 cycle</translation>
    </message>
    <message>
        <source>%1 cycles</source>
        <translation>%1 cycles</translation>
    </message>
    <message>
        <source>%1 comparison</source>
        <translation>%1 comparaison</translation>
    </message>
    <message>
        <source>%1 comparisons</source>
        <translation>%1 comparaisons</translation>
    </message>
    <message>
        <source>Text file</source>
        <translation>Fichier texte</translation>
    </message>
    <message>
        <source>The report could not be written to %1.</source>
        <translation>Le rapport n&apos;a pas pu être écrit dans %1.</translation>
    </message>
    <message>
        <source>Error when adding the random number</source>
        <translation>Erreur lors de l&apos;ajout du nombre aléatoire</translation>
    </message>
    <message>
        <source>%1  %2 cycles</source>
        <translation>%1  %2 cycles</translation>
    </message>
    <message>
        <source>Back-test: %1, %2 cycles</source>
        <translation>Test rétrospectif : %1, %2 cycles</translation>
    </message>
    <message>
        <source>Too many values in %1</source>
        <translation>Trop de valeurs dans %1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no whole number</source>
        <translation>« %1 » n&apos;est pas un nombre entier</translation>
    </message>
    <message>
        <source>The step of a range must be at least 1</source>
        <translation>Le pas d&apos;une plage doit être d&apos;au moins 1</translation>
    </message>
    <message>
        <source>The range %1 is empty</source>
        <translation>La plage %1 est vide</translation>
    </message>
    <message>
        <source>No values given</source>
        <translation>Aucune valeur donnée</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: a control name and its values are needed</source>
        <translation>« %1 » : il faut le nom d&apos;un contrôle et ses valeurs</translation>
    </message>
    <message>
        <source>No control is named %1</source>
        <translation>Aucun contrôle ne s&apos;appelle %1</translation>
    </message>
    <message>
        <source>%1 takes no number a sweep could vary</source>
        <translation>%1 ne prend aucun nombre qu&apos;un balayage pourrait faire varier</translation>
    </message>
    <message>
        <source>%1: no values given</source>
        <translation>%1 : aucune valeur donnée</translation>
    </message>
    <message>
        <source>%1 takes %2..%3, not %4</source>
        <translation>%1 prend %2..%3, pas %4</translation>
    </message>
    <message>
        <source>lucky number %1 set</source>
        <translation>numéro chanceux %1 choisi</translation>
    </message>
    <message>
        <source>your lucky number (1-99999999)?</source>
        <translation>votre numéro chanceux (1-99999999)?</translation>
    </message>
    <message>
        <source>have lucky number %1 set</source>
        <translation>numéro chanceux %1 choisi</translation>
    </message>
    <message>
        <source>it is no regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>Cannot replace &quot;%1&quot;: %2</source>
        <translation>Impossible de remplacer « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot create file &quot;%1&quot;: %2</source>
        <translation>Impossible de créer le fichier « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot write to &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;écrire dans « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot read file &quot;%1&quot;. It is too large.</source>
        <translation>Impossible de lire le fichier « %1 ». Il est trop gros.</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. %2</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 ». %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;. It is no regular file.</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 ». Ce n&apos;est pas un fichier ordinaire.</translation>
    </message>
    <message>
        <source>Read error in &quot;%1&quot;: %2</source>
        <translation>Erreur de lecture dans « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;: %2</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 » : %2</translation>
    </message>
    <message>
        <source>First read the data of draws</source>
        <translation>Lisez d&apos;abord les données des tirages</translation>
    </message>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>The draw file %1 holds a damaged record (record %2 of %3): an impossible date, numbers that are no draw, or a date out of order.</source>
        <translation>Le fichier des tirages %1 contient un enregistrement endommagé (enregistrement %2 sur %3) : une date impossible, des numéros qui ne forment pas un tirage ou une date hors d&apos;ordre.</translation>
    </message>
    <message>
        <source>The draw file %1 holds %2 damaged records (records %3 of %4): an impossible date, numbers that are no draw, or a date out of order.</source>
        <translation>Le fichier des tirages %1 contient %2 enregistrements endommagés (enregistrements %3 sur %4) : une date impossible, des numéros qui ne forment pas un tirage ou une date hors d&apos;ordre.</translation>
    </message>
    <message>
        <source>To remove it, close the program, keep a copy of the file and shorten it to its first %1 records (%2 bytes).</source>
        <translation>Pour l&apos;enlever, fermez le programme, gardez une copie du fichier et réduisez-le à ses %1 premiers enregistrements (%2 octets).</translation>
    </message>
    <message>
        <source>To remove them, close the program, keep a copy of the file and shorten it to its first %1 records (%2 bytes).</source>
        <translation>Pour les enlever, fermez le programme, gardez une copie du fichier et réduisez-le à ses %1 premiers enregistrements (%2 octets).</translation>
    </message>
    <message>
        <source>To remove them, close the program, keep a copy of the file and cut each damaged record out of it (record N is the 40 bytes from byte 40 x (N - 1) on).</source>
        <translation>Pour les enlever, fermez le programme, gardez une copie du fichier et retirez-en chaque enregistrement endommagé (l&apos;enregistrement N occupe les 40 octets à partir de l&apos;octet 40 x (N - 1)).</translation>
    </message>
    <message>
        <source>%1 The update goes on after the last sound draw and never stores a draw twice. %2</source>
        <translation>%1 La mise à jour reprend après le dernier tirage intact et n&apos;enregistre jamais un tirage deux fois. %2</translation>
    </message>
    <message>
        <source>%1 (Midday) %2</source>
        <translation>%1 (midi) %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file (a folder, a pipe or a device), so it cannot hold the draws. Remove it or rename it; the update then starts a new draw file.</source>
        <translation>« %1 » n&apos;est pas un fichier ordinaire (un dossier, un tube ou un périphérique) et ne peut donc pas contenir les tirages. Supprimez-le ou renommez-le; la mise à jour commencera alors un nouveau fichier de tirages.</translation>
    </message>
    <message>
        <source>Read error in &quot;%1&quot;</source>
        <translation>Erreur de lecture dans « %1 »</translation>
    </message>
    <message>
        <source>Cannot repair &quot;%1&quot;: %2</source>
        <translation>Impossible de réparer « %1 » : %2</translation>
    </message>
    <message>
        <source>Cannot close &quot;%1&quot;: %2</source>
        <translation>Impossible de fermer « %1 » : %2</translation>
    </message>
    <message>
        <source>1 draw was stored as the midday draw of its date: the file holds one line for that date and does not say which draw it is.</source>
        <translation>1 tirage a été enregistré comme tirage du midi de sa date : le fichier contient une seule ligne pour cette date et ne dit pas de quel tirage il s&apos;agit.</translation>
    </message>
    <message>
        <source>%1 draws were stored as midday draws: the file holds one line for each of their dates and does not say which draw it is.</source>
        <translation>%1 tirages ont été enregistrés comme tirages du midi : le fichier contient une seule ligne pour chacune de leurs dates et ne dit pas de quel tirage il s&apos;agit.</translation>
    </message>
    <message>
        <source>%1 draws added, %2 already stored, %3 rejected</source>
        <translation>%1 tirages ajoutés, %2 déjà enregistrés, %3 refusés</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>ligne %1 : %2</translation>
    </message>
    <message>
        <source>... and %1 more rejected lines</source>
        <translation>... et %1 autres lignes refusées</translation>
    </message>
    <message>
        <source>Cannot open file &quot;%1&quot;</source>
        <translation>Impossible d&apos;ouvrir le fichier « %1 »</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a regular file, so it holds no draws to import</source>
        <translation>« %1 » n&apos;est pas un fichier ordinaire et ne contient donc aucun tirage à importer</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is too large for a draw history (more than %2 MB)</source>
        <translation>« %1 » est trop gros pour un historique de tirages (plus de %2 Mo)</translation>
    </message>
    <message>
        <source>Text and CSV files</source>
        <translation>Fichiers texte et CSV</translation>
    </message>
    <message>
        <source>All files</source>
        <translation>Tous les fichiers</translation>
    </message>
    <message>
        <source>A draw has 20 numbers, but %1 is ticked.</source>
        <translation>Un tirage compte 20 numéros, mais %1 seul est coché.</translation>
    </message>
    <message>
        <source>A draw has 20 numbers, but %1 are ticked.</source>
        <translation>Un tirage compte 20 numéros, mais %1 sont cochés.</translation>
    </message>
    <message>
        <source>The draw date must lie between %1 and today.</source>
        <translation>La date du tirage doit se situer entre le %1 et aujourd&apos;hui.</translation>
    </message>
    <message>
        <source>%1 (Midday) is stored with other numbers; the stored draw is kept</source>
        <translation>%1 (midi) est enregistré avec d&apos;autres numéros; le tirage enregistré est conservé</translation>
    </message>
    <message>
        <source>%1 is stored with other numbers; the stored draw is kept</source>
        <translation>%1 est enregistré avec d&apos;autres numéros; le tirage enregistré est conservé</translation>
    </message>
    <message>
        <source>line too long (more than 200 characters)</source>
        <translation>ligne trop longue (plus de 200 caractères)</translation>
    </message>
    <message>
        <source>expected %1 fields, found %2</source>
        <translation>%1 champs attendus, %2 trouvés</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no date</source>
        <translation>« %1 » n&apos;est pas une date</translation>
    </message>
    <message>
        <source>the date %1 lies outside %2 to %3</source>
        <translation>la date %1 est hors de la période du %2 au %3</translation>
    </message>
    <message>
        <source>&quot;%1&quot; says neither midday nor evening</source>
        <translation>« %1 » n&apos;indique ni midi ni soir</translation>
    </message>
    <message>
        <source>this lottery has no midday draw</source>
        <translation>cette loterie n&apos;a pas de tirage du midi</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is no number from 1 to 70</source>
        <translation>« %1 » n&apos;est pas un numéro de 1 à 70</translation>
    </message>
    <message>
        <source>the number %1 occurs twice</source>
        <translation>le numéro %1 apparaît deux fois</translation>
    </message>
    <message>
        <source>expected 20 numbers, found %1</source>
        <translation>20 numéros attendus, %1 trouvés</translation>
    </message>
    <message>
        <source>repeats line %1</source>
        <translation>répète la ligne %1</translation>
    </message>
    <message>
        <source>a further draw of %1 (line %2)</source>
        <translation>un tirage de plus le %1 (ligne %2)</translation>
    </message>
    <message>
        <source>a second draw of %1 (line %2)</source>
        <translation>un deuxième tirage le %1 (ligne %2)</translation>
    </message>
    <message>
        <source>the dates of the file neither ascend nor descend and no column says which draw of %1 is the midday draw</source>
        <translation>les dates du fichier ne sont ni croissantes ni décroissantes et aucune colonne n&apos;indique quel tirage du %1 est celui du midi</translation>
    </message>
    <message>
        <source>holds no draw</source>
        <translation>ne contient aucun tirage</translation>
    </message>
    <message>
        <source>The first 1,000 lines of the file hold no line with a date and 20 numbers: line %1 %2: %3.</source>
        <translation>Les 1 000 premières lignes du fichier ne contiennent aucune ligne avec une date et 20 numéros : ligne %1 %2 : %3.</translation>
    </message>
    <message>
        <source>The file holds no line with a date and 20 numbers</source>
        <translation>Le fichier ne contient aucune ligne avec une date et 20 numéros</translation>
    </message>
    <message>
        <source>The first 1,000 lines of the file hold no line with a date and 20 numbers</source>
        <translation>Les 1 000 premières lignes du fichier ne contiennent aucune ligne avec une date et 20 numéros</translation>
    </message>
    <message>
        <source>line %1 %2</source>
        <translation>ligne %1 %2</translation>
    </message>
    <message>
        <source>%1: %2 %3, where a date and 20 numbers were expected.</source>
        <translation>%1 : %2 %3, alors qu&apos;une date et 20 numéros étaient attendus.</translation>
    </message>
    <message>
        <source>%1: it holds only the line of names %2.</source>
        <translation>%1 : il ne contient que la ligne des noms %2.</translation>
    </message>
    <message>
        <source>%1: it is empty.</source>
        <translation>%1 : il est vide.</translation>
    </message>
    <message>
        <source>is longer than 200 characters</source>
        <translation>dépasse 200 caractères</translation>
    </message>
    <message>
        <source>holds %1 fields</source>
        <translation>contient %1 champs</translation>
    </message>
    <message>
        <source>Line %1: dates are written as numbers such as %2; save the sheet with a date format and import it again.</source>
        <translation>Ligne %1 : les dates sont écrites comme des nombres, par exemple %2; enregistrez la feuille avec un format de date et importez-la de nouveau.</translation>
    </message>
    <message>
        <source>holds no date</source>
        <translation>ne contient aucune date</translation>
    </message>
    <message>
        <source>The dates of this file mix day/month and month/day order (%1, %2). Please save the file with dates as yyyy-mm-dd and import it again.</source>
        <translation>Les dates de ce fichier mélangent l&apos;ordre jour/mois et mois/jour (%1, %2). Enregistrez le fichier avec des dates aaaa-mm-jj et importez-le de nouveau.</translation>
    </message>
    <message>
        <source>The dates of this file can be read as day/month or as month/day (%1). Please save the file with dates as yyyy-mm-dd and import it again.</source>
        <translation>Les dates de ce fichier peuvent se lire jour/mois ou mois/jour (%1). Enregistrez le fichier avec des dates aaaa-mm-jj et importez-le de nouveau.</translation>
    </message>
    <message>
        <source>Nothing to undo</source>
        <translation>Rien à annuler</translation>
    </message>
    <message>
        <source>Max Win:  %1x</source>
        <translation>Gain max. :  %1x</translation>
    </message>
    <message>
        <source>Printing and image export are not available here.</source>
        <translation>L&apos;impression et l&apos;exportation d&apos;images ne sont pas offertes ici.</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>ERREUR</translation>
    </message>
    <message>
        <source>Calculation: %1 of %2 tips found</source>
        <translation>Calcul : %1 grilles trouvées sur %2</translation>
    </message>
    <message>
        <source>Calculation: %1 of %2 tips found; candidate %3 of %4 for tip %5</source>
        <translation>Calcul : %1 grilles trouvées sur %2; candidate %3 sur %4 pour la grille %5</translation>
    </message>
    <message>
        <source>The number pool holds only %1 different numbers; a tip needs %2.</source>
        <translation>La réserve de numéros ne contient que %1 numéros différents; une grille en demande %2.</translation>
    </message>
    <message>
        <source>start of calculation</source>
        <translation>début du calcul</translation>
    </message>
    <message>
        <source>calculate tips</source>
        <translation>calculer les grilles</translation>
    </message>
    <message>
        <source>calculation tip</source>
        <translation>calcul des grilles</translation>
    </message>
    <message>
        <source>you lucky number (1-99999999)?</source>
        <translation>votre numéro chanceux (1-99999999)?</translation>
    </message>
    <message>
        <source>Enter your lucky number for the random one!</source>
        <translation>Entrez votre numéro chanceux pour le hasard!</translation>
    </message>
    <message>
        <source>set lucky number %1</source>
        <translation>numéro chanceux %1 choisi</translation>
    </message>
    <message>
        <source>Calculation of pair production</source>
        <translation>Calcul des paires</translation>
    </message>
    <message>
        <source>Calculation of triplet formation</source>
        <translation>Calcul des triplets</translation>
    </message>
    <message>
        <source>Berechnung der Dreiergruppenbildung</source>
        <translation>Calcul des triplets</translation>
    </message>
    <message>
        <source>Calculation of the four group formation</source>
        <translation>Calcul des quadruplets</translation>
    </message>
    <message>
        <source>Calculation of the number distribution</source>
        <translation>Calcul de la répartition des numéros</translation>
    </message>
    <message>
        <source>Calculation of the outstanding numbers</source>
        <translation>Calcul des numéros en retard</translation>
    </message>
    <message>
        <source>Min: %1 Max: %2  %3</source>
        <translation>Min : %1 Max : %2  %3</translation>
    </message>
    <message>
        <source>Min: %1  Max: %2  %3</source>
        <translation>Min : %1  Max : %2  %3</translation>
    </message>
    <message>
        <source>Calculation of the adjacent numbers of last draw</source>
        <translation>Calcul des voisins des numéros du dernier tirage</translation>
    </message>
    <message>
        <source>Candidates drawn: %1</source>
        <translation>Candidates tirées : %1</translation>
    </message>
    <message>
        <source>%1: %2 (%3 %)</source>
        <translation>%1 : %2 (%3 %)</translation>
    </message>
    <message>
        <source>%1 (Options › statistical)</source>
        <translation>%1 (Options › statistiques)</translation>
    </message>
    <message>
        <source>%1 (Options › ticket optimization)</source>
        <translation>%1 (Options › optimisation des billets)</translation>
    </message>
    <message>
        <source>%1 (Options › mathematically)</source>
        <translation>%1 (Options › mathématiques)</translation>
    </message>
    <message>
        <source>the last draw</source>
        <translation>le dernier tirage</translation>
    </message>
    <message>
        <source>the second-last draw</source>
        <translation>l&apos;avant-dernier tirage</translation>
    </message>
    <message>
        <source>the third-last draw</source>
        <translation>l&apos;antépénultième tirage</translation>
    </message>
    <message>
        <source>lower the even minimum from %1 to %2</source>
        <translation>abaissez le minimum de nombres pairs de %1 à %2</translation>
    </message>
    <message>
        <source>lower the odd minimum from %1 to %2</source>
        <translation>abaissez le minimum de nombres impairs de %1 à %2</translation>
    </message>
    <message>
        <source>lower the prime minimum from %1 to %2</source>
        <translation>abaissez le minimum de nombres premiers de %1 à %2</translation>
    </message>
    <message>
        <source>lower the minimum hits with %1 from %2 to %3</source>
        <translation>abaissez le minimum de numéros communs avec %1 de %2 à %3</translation>
    </message>
    <message>
        <source>raise the maximum hits with %1 from %2 to %3</source>
        <translation>haussez le maximum de numéros communs avec %1 de %2 à %3</translation>
    </message>
    <message>
        <source>at least %1 even numbers in a %2-number tip</source>
        <translation>au moins %1 nombres pairs dans une grille de %2 numéros</translation>
    </message>
    <message>
        <source>at least %1 odd numbers in a %2-number tip</source>
        <translation>au moins %1 nombres impairs dans une grille de %2 numéros</translation>
    </message>
    <message>
        <source>at least %1 prime numbers in a %2-number tip</source>
        <translation>au moins %1 nombres premiers dans une grille de %2 numéros</translation>
    </message>
    <message>
        <source>at least %1 even and at least %2 odd numbers in a %3-number tip</source>
        <translation>au moins %1 nombres pairs et au moins %2 nombres impairs dans une grille de %3 numéros</translation>
    </message>
    <message>
        <source>at least %1 prime numbers and at least %2 even numbers in a %3-number tip (2 is the only even prime)</source>
        <translation>au moins %1 nombres premiers et au moins %2 nombres pairs dans une grille de %3 numéros (2 est le seul nombre premier pair)</translation>
    </message>
    <message>
        <source>at least %1 matches with other tips in a %2-number tip</source>
        <translation>au moins %1 numéros communs avec les autres grilles dans une grille de %2 numéros</translation>
    </message>
    <message>
        <source>lower the minimum of matches from %1 to %2</source>
        <translation>abaissez le minimum de numéros communs de %1 à %2</translation>
    </message>
    <message>
        <source>at least %1 and at most %2 matches with other tips</source>
        <translation>au moins %1 et au plus %2 numéros communs avec les autres grilles</translation>
    </message>
    <message>
        <source>raise the maximum of matches from %1 to %2</source>
        <translation>haussez le maximum de numéros communs de %1 à %2</translation>
    </message>
    <message>
        <source>at least %1 hits with %2 in a %3-number tip</source>
        <translation>au moins %1 numéros communs avec %2 dans une grille de %3 numéros</translation>
    </message>
    <message>
        <source>at least %1 and at most %2 hits with %3</source>
        <translation>au moins %1 et au plus %2 numéros communs avec %3</translation>
    </message>
    <message>
        <source>a cross sum of at least %1 and at most %2</source>
        <translation>une somme d&apos;au moins %1 et d&apos;au plus %2</translation>
    </message>
    <message>
        <source>raise the cross-sum maximum to %1</source>
        <translation>haussez le maximum de la somme à %1</translation>
    </message>
    <message>
        <source>raise the maximum of matches with other tips from %1 to %2 or lower the minimum from %3 to %4</source>
        <translation>haussez le maximum de numéros communs avec les autres grilles de %1 à %2 ou abaissez le minimum de %3 à %4</translation>
    </message>
    <message>
        <source>untick &quot;Tip enforcing one pairing per&quot;</source>
        <translation>décochez « Imposer une paire par grille »</translation>
    </message>
    <message>
        <source>untick &quot;no threesomes, foursomes ... pairs&quot;</source>
        <translation>décochez « pas de triplets, quadruplets ... seulement des paires »</translation>
    </message>
    <message>
        <source>widen the cross sum from %1 - %2</source>
        <translation>élargissez la somme au-delà de %1 - %2</translation>
    </message>
    <message>
        <source>raise the hits a tip may have had in a draw of the database from %1 to %2</source>
        <translation>haussez le nombre de numéros qu&apos;une grille peut avoir eus dans un tirage enregistré de %1 à %2</translation>
    </message>
    <message>
        <source>raise the hits a tip may have had in the last %1 draws from %2 to %3</source>
        <translation>haussez le nombre de numéros qu&apos;une grille peut avoir eus dans les %1 derniers tirages de %2 à %3</translation>
    </message>
    <message>
        <source>Never met together: %1.</source>
        <translation>Jamais réunis : %1.</translation>
    </message>
    <message>
        <source>The number pool holds fewer different numbers than a tip needs: untick &quot;Tip for the preferred use numbers only!&quot; (Options › general).</source>
        <translation>La réserve contient moins de numéros différents qu&apos;une grille n&apos;en demande : décochez « Grilles avec les numéros préférés seulement! » (Options › général).</translation>
    </message>
    <message>
        <source>%1 of %2 candidates: %3</source>
        <translation>%1 candidates sur %2 : %3</translation>
    </message>
    <message>
        <source>To let most candidates through: %1.</source>
        <translation>Pour laisser passer le plus de candidates : %1.</translation>
    </message>
    <message>
        <source>matches with other tips</source>
        <translation>numéros communs avec les autres grilles</translation>
    </message>
    <message>
        <source>consecutive pair required</source>
        <translation>paire de numéros consécutifs exigée</translation>
    </message>
    <message>
        <source>no runs of three</source>
        <translation>pas de suite de trois</translation>
    </message>
    <message>
        <source>cross-sum bounds</source>
        <translation>limites de la somme</translation>
    </message>
    <message>
        <source>hits with the last draw</source>
        <translation>numéros communs avec le dernier tirage</translation>
    </message>
    <message>
        <source>hits with the second-last draw</source>
        <translation>numéros communs avec l&apos;avant-dernier tirage</translation>
    </message>
    <message>
        <source>hits with the third-last draw</source>
        <translation>numéros communs avec l&apos;antépénultième tirage</translation>
    </message>
    <message>
        <source>hits in the database</source>
        <translation>numéros communs avec les tirages enregistrés</translation>
    </message>
    <message>
        <source>hits in the last draws</source>
        <translation>numéros communs avec les derniers tirages</translation>
    </message>
    <message>
        <source>even numbers</source>
        <translation>nombres pairs</translation>
    </message>
    <message>
        <source>odd numbers</source>
        <translation>nombres impairs</translation>
    </message>
    <message>
        <source>prime numbers</source>
        <translation>nombres premiers</translation>
    </message>
    <message>
        <source>Werteliste</source>
        <translation>Liste de valeurs</translation>
    </message>
    <message>
        <source>%1 Stopp</source>
        <translation>%1 Arrêt</translation>
    </message>
    <message>
        <source>%1 of %2 numbers</source>
        <translation>%1 numéros sur %2</translation>
    </message>
    <message>
        <source>What numbers to calculate</source>
        <translation>Quels numéros calculer</translation>
    </message>
    <message>
        <source>Zufall</source>
        <translation>Hasard</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Abort</source>
        <translation>Abandonner</translation>
    </message>
    <message>
        <source>Calculate</source>
        <translation>Calculer</translation>
    </message>
    <message>
        <source>&amp;Random</source>
        <translation>&amp;Hasard</translation>
    </message>
    <message>
        <source>The web client could not be initialised (curl_global_init failed)</source>
        <translation>Le client Web n&apos;a pas pu être initialisé (échec de curl_global_init)</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 Mo</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 octets</translation>
    </message>
    <message>
        <source>Invalid proxy port: %1</source>
        <translation>Port du mandataire non valide : %1</translation>
    </message>
    <message>
        <source>The web client could not be initialised (curl_easy_init failed)</source>
        <translation>Le client Web n&apos;a pas pu être initialisé (échec de curl_easy_init)</translation>
    </message>
    <message>
        <source>Invalid request header (line break): %1</source>
        <translation>En-tête de requête non valide (saut de ligne) : %1</translation>
    </message>
    <message>
        <source>The answer of the results site is larger than %1; no results page is that large</source>
        <translation>La réponse du site des résultats dépasse %1; aucune page de résultats n&apos;est aussi grosse</translation>
    </message>
    <message>
        <source>The results site did not finish its answer within %1 s</source>
        <translation>Le site des résultats n&apos;a pas terminé sa réponse en %1 s</translation>
    </message>
    <message>
        <source>Read timed out after %1 ms</source>
        <translation>Délai de lecture dépassé après %1 ms</translation>
    </message>
    <message>
        <source>The request was stopped</source>
        <translation>La requête a été arrêtée</translation>
    </message>
    <message>
        <source>The results site must be an https:// address: %1</source>
        <translation>Le site des résultats doit être une adresse https:// : %1</translation>
    </message>
    <message>
        <source>&apos;%1&apos; is not a valid integer value</source>
        <translation>« %1 » n&apos;est pas un nombre entier valide</translation>
    </message>
    <message>
        <source>Loading</source>
        <translation>Chargement</translation>
    </message>
    <message>
        <source>Please enter the address of the results site on the Internet-Options tab.</source>
        <translation>Veuillez entrer l&apos;adresse du site des résultats dans l&apos;onglet « Options Internet ».</translation>
    </message>
    <message>
        <source>%1 The update stopped at %2; the draws before it are kept and the next update fetches that day again.</source>
        <translation>%1 La mise à jour s&apos;est arrêtée au %2; les tirages précédents sont conservés et la prochaine mise à jour reprendra ce jour-là.</translation>
    </message>
    <message>
        <source>January %1</source>
        <translation>janvier %1</translation>
    </message>
    <message>
        <source>February %1</source>
        <translation>février %1</translation>
    </message>
    <message>
        <source>March %1</source>
        <translation>mars %1</translation>
    </message>
    <message>
        <source>April %1</source>
        <translation>avril %1</translation>
    </message>
    <message>
        <source>May %1</source>
        <translation>mai %1</translation>
    </message>
    <message>
        <source>June %1</source>
        <translation>juin %1</translation>
    </message>
    <message>
        <source>July %1</source>
        <translation>juillet %1</translation>
    </message>
    <message>
        <source>August %1</source>
        <translation>août %1</translation>
    </message>
    <message>
        <source>September %1</source>
        <translation>septembre %1</translation>
    </message>
    <message>
        <source>October %1</source>
        <translation>octobre %1</translation>
    </message>
    <message>
        <source>November %1</source>
        <translation>novembre %1</translation>
    </message>
    <message>
        <source>December %1</source>
        <translation>décembre %1</translation>
    </message>
    <message>
        <source>The results page for %1 arrived incomplete.</source>
        <translation>La page des résultats de %1 est arrivée incomplète.</translation>
    </message>
    <message>
        <source>The results page for %1 lists none of the month&apos;s draws.</source>
        <translation>La page des résultats de %1 ne donne aucun tirage du mois.</translation>
    </message>
    <message>
        <source>The results page does not list the %1 of %2.</source>
        <translation>La page des résultats ne donne pas le %1 du %2.</translation>
    </message>
    <message>
        <source>The %1 of %2 on the results page is not 20 different numbers from 1 to 70.</source>
        <translation>Le %1 du %2 sur la page des résultats ne compte pas 20 numéros différents de 1 à 70.</translation>
    </message>
    <message>
        <source>at %1 draws was found %2 pairs !</source>
        <translation>sur %1 tirages, %2 paires trouvées!</translation>
    </message>
    <message>
        <source>at %1 draws was found  %2 three!</source>
        <translation>sur %1 tirages, %2 triplets trouvés!</translation>
    </message>
    <message>
        <source>at %1  draws was found %2 four!</source>
        <translation>sur %1 tirages, %2 quadruplets trouvés!</translation>
    </message>
    <message>
        <source>number distribution     draw: %1    cross sum: %2</source>
        <translation>répartition des numéros     tirages : %1    somme : %2</translation>
    </message>
    <message>
        <source>Cross-sum distribution     Draws: %1    Cross-sum: %2</source>
        <translation>Répartition des sommes     Tirages : %1    Somme : %2</translation>
    </message>
    <message>
        <source>prime numbers and 1</source>
        <translation>nombres premiers et 1</translation>
    </message>
    <message>
        <source>other numbers</source>
        <translation>autres numéros</translation>
    </message>
    <message>
        <source>draws</source>
        <translation>tirages</translation>
    </message>
    <message>
        <source>draws since last drawn</source>
        <translation>tirages depuis la dernière sortie</translation>
    </message>
    <message>
        <source>tips</source>
        <translation>grilles</translation>
    </message>
    <message>
        <source>x numbers</source>
        <translation>x numéros</translation>
    </message>
    <message>
        <source>Search: %1 of %2 draws</source>
        <translation>Recherche : %1 tirages sur %2</translation>
    </message>
    <message>
        <source>Search: %1 of %2 draws, %3</source>
        <translation>Recherche : %1 tirages sur %2, %3</translation>
    </message>
    <message>
        <source>A hit on: %1</source>
        <translation>Un gain le : %1</translation>
    </message>
    <message>
        <source>Stop at conformity of x numbers</source>
        <translation>Arrêter à x numéros concordants</translation>
    </message>
    <message>
        <source>Tipfile</source>
        <translation>Fichier de grilles</translation>
    </message>
    <message>
        <source>one calculation</source>
        <translation>un calcul</translation>
    </message>
    <message>
        <source>a calculation per draw</source>
        <translation>un calcul par tirage</translation>
    </message>
    <message>
        <source>Verdict: the difference is within chance (p &gt;= 0.05).</source>
        <translation>Verdict : l&apos;écart reste dans les limites du hasard (p &gt;= 0,05).</translation>
    </message>
    <message>
        <source>Verdict: the difference is larger than chance explains (p &lt; 0.05).</source>
        <translation>Verdict : l&apos;écart dépasse ce que le hasard explique (p &lt; 0,05).</translation>
    </message>
    <message>
        <source>Law of chance: the numbers two draws of 20 out of 70 share (hypergeometric law); expected = comparisons x chance of the hit count.</source>
        <translation>Loi du hasard : les numéros communs à deux tirages de 20 sur 70 (loi hypergéométrique); attendus = comparaisons x probabilité du nombre de trouvés.</translation>
    </message>
    <message>
        <source>Law of chance: the hits of a %1-number tip in a draw of 20 out of 70 (hypergeometric law); expected = tips x cycles x chance of the hit count.</source>
        <translation>Loi du hasard : les trouvés d&apos;une grille de %1 numéros dans un tirage de 20 sur 70 (loi hypergéométrique); attendus = grilles x cycles x probabilité du nombre de trouvés.</translation>
    </message>
    <message>
        <source>Law of chance: the hits of a %1-number tip in a draw of 20 out of 70 (hypergeometric law); expected = the tips of each cycle, summed over the cycles, x chance of the hit count.</source>
        <translation>Loi du hasard : les trouvés d&apos;une grille de %1 numéros dans un tirage de 20 sur 70 (loi hypergéométrique); attendus = les grilles de chaque cycle, additionnées sur les cycles, x probabilité du nombre de trouvés.</translation>
    </message>
    <message>
        <source>Winnings per unit stake: observed %1; chance gives %2 on average, 90 %% of the random histories between %3 and %4.</source>
        <translation>Gains par mise unitaire : observés %1; le hasard donne %2 en moyenne, 90 %% des historiques aléatoires entre %3 et %4.</translation>
    </message>
    <message>
        <source>Simulated test: X2 = %1; %2 of %3 random history reached it, p = %4.</source>
        <translation>Test simulé : X2 = %1; %2 historique aléatoire sur %3 l&apos;a atteint, p = %4.</translation>
    </message>
    <message>
        <source>Simulated test: X2 = %1; %2 of %3 random histories reached it, p = %4.</source>
        <translation>Test simulé : X2 = %1; %2 historiques aléatoires sur %3 l&apos;ont atteint, p = %4.</translation>
    </message>
    <message>
        <source>Chi-squared goodness of fit: X2 = %1 with %2 degree of freedom, p = %3.</source>
        <translation>Test d&apos;ajustement du khi-deux : X2 = %1 avec %2 degré de liberté, p = %3.</translation>
    </message>
    <message>
        <source>Chi-squared goodness of fit: X2 = %1 with %2 degrees of freedom, p = %3.</source>
        <translation>Test d&apos;ajustement du khi-deux : X2 = %1 avec %2 degrés de liberté, p = %3.</translation>
    </message>
    <message>
        <source>Hit counts that chance expects fewer than 5 times are pooled with their neighbours: none needed.</source>
        <translation>Les nombres de trouvés que le hasard attend moins de 5 fois sont regroupés avec leurs voisins : aucun regroupement nécessaire.</translation>
    </message>
    <message>
        <source>Hit counts that chance expects fewer than 5 times are pooled with their neighbours (%1).</source>
        <translation>Les nombres de trouvés que le hasard attend moins de 5 fois sont regroupés avec leurs voisins (%1).</translation>
    </message>
    <message>
        <source>Too few comparisons for the chi-squared goodness-of-fit test: it needs at least two groups of hit counts that chance expects 5 times or more.</source>
        <translation>Trop peu de comparaisons pour le test d&apos;ajustement du khi-deux : il faut au moins deux groupes de nombres de trouvés que le hasard attend 5 fois ou plus.</translation>
    </message>
    <message>
        <source>Assumptions: every draw is 20 numbers drawn at random from 70, independent of the others. Each comparison is of a distinct pair of draws, so the chi-squared law holds for the sum.</source>
        <translation>Hypothèses : chaque tirage est de 20 numéros tirés au hasard parmi 70, indépendamment des autres. Chaque comparaison porte sur une paire de tirages distincte, la loi du khi-deux vaut donc pour la somme.</translation>
    </message>
    <message>
        <source>Assumptions: every draw is 20 numbers drawn at random from 70, independent of the other draws and of the tips. The p-value is the share of random histories (the tips of each cycle kept, every draw replaced by a random one) whose chi-squared sum over the same groups reaches the observed one, so tips that share numbers are allowed for.</source>
        <translation>Hypothèses : chaque tirage est de 20 numéros tirés au hasard parmi 70, indépendamment des autres tirages et des grilles. La valeur p est la part des historiques aléatoires (les grilles de chaque cycle gardées, chaque tirage remplacé par un tirage aléatoire) dont la somme du khi-deux sur les mêmes groupes atteint celle observée; les grilles qui partagent des numéros sont donc prises en compte.</translation>
    </message>
    <message>
        <source>%1 draw from %2 to %3 written to %4</source>
        <translation>%1 tirage du %2 au %3 écrit dans %4</translation>
    </message>
    <message>
        <source>%1 draws from %2 to %3 written to %4</source>
        <translation>%1 tirages du %2 au %3 écrits dans %4</translation>
    </message>
    <message>
        <source>%1: the chance of each hit count for one tip and its prize per unit stake</source>
        <translation>%1 : probabilité de chaque résultat d&apos;une grille et lot par mise unitaire</translation>
    </message>
    <message>
        <source>never</source>
        <translation>jamais</translation>
    </message>
    <message>
        <source>1 in %1</source>
        <translation>1 sur %1</translation>
    </message>
    <message>
        <source>%1 numbers per tip: on average a stake of %2 returns %3; nothing wins.</source>
        <translation>%1 numéros par grille : en moyenne, une mise de %2 rapporte %3; rien ne gagne.</translation>
    </message>
    <message>
        <source>%1 numbers per tip: on average a stake of %2 returns %3; the chance of winning anything is 1 in %4.</source>
        <translation>%1 numéros par grille : en moyenne, une mise de %2 rapporte %3; la probabilité de gagner quelque chose est de 1 sur %4.</translation>
    </message>
    <message>
        <source>1 draw added, %1</source>
        <translation>1 tirage ajouté, %1</translation>
    </message>
    <message>
        <source>%1 draws added, %2 – %3</source>
        <translation>%1 tirages ajoutés, %2 – %3</translation>
    </message>
    <message>
        <source>Textdatei</source>
        <translation>Fichier texte</translation>
    </message>
    <message>
        <source>Update: %1 of %2 months, reading %3</source>
        <translation>Mise à jour : %1 mois sur %2, lecture du %3</translation>
    </message>
    <message>
        <source>draw</source>
        <translation>tirage</translation>
    </message>
    <message>
        <source>midday draw</source>
        <translation>tirage du midi</translation>
    </message>
    <message>
        <source>evening draw</source>
        <translation>tirage du soir</translation>
    </message>
    <message>
        <source>comparison</source>
        <translation>comparaison</translation>
    </message>
    <message>
        <source>comparisons</source>
        <translation>comparaisons</translation>
    </message>
    <message>
        <source>cycle</source>
        <translation>cycle</translation>
    </message>
    <message>
        <source>cycles</source>
        <translation>cycles</translation>
    </message>
    <message>
        <source>%1 against chance: %2 %3 of a 20-number probe with a draw (%4 %5)</source>
        <translation>%1 contre le hasard : %2 %3 d&apos;une sonde de 20 numéros avec un tirage (%4 %5)</translation>
    </message>
    <message>
        <source>%1 against chance: %2 %3 of a 20-number probe with a draw</source>
        <translation>%1 contre le hasard : %2 %3 d&apos;une sonde de 20 numéros avec un tirage</translation>
    </message>
    <message>
        <source>tip</source>
        <translation>grille</translation>
    </message>
    <message>
        <source>%1 against chance: %2 %3 of a %4-number tip with a draw (%5 %6 x %7 %8)</source>
        <translation>%1 contre le hasard : %2 %3 d&apos;une grille de %4 numéros avec un tirage (%5 %6 x %7 %8)</translation>
    </message>
    <message>
        <source>%1 against chance: %2 %3 of a %4-number tip with a draw (%5 %6)</source>
        <translation>%1 contre le hasard : %2 %3 d&apos;une grille de %4 numéros avec un tirage (%5 %6)</translation>
    </message>
    <message>
        <source>%1 against chance: %2 %3 of a %4-number tip with a draw</source>
        <translation>%1 contre le hasard : %2 %3 d&apos;une grille de %4 numéros avec un tirage</translation>
    </message>
    <message>
        <source>The deleted draw of %1 was not brought back, because a draw of that date is stored now.</source>
        <translation>Le tirage supprimé du %1 n&apos;a pas été rétabli, car un tirage de cette date est maintenant enregistré.</translation>
    </message>
    <message>
        <source>The lock file &quot;%1&quot; cannot be made: %2. Numora goes on, but a second copy started with this folder would not be stopped.</source>
        <translation>Impossible de créer le fichier de verrou « %1 » : %2. Numora continue, mais une deuxième copie lancée avec ce dossier ne serait pas arrêtée.</translation>
    </message>
    <message>
        <source>Numora is already running with this folder</source>
        <translation>Numora est déjà en cours d&apos;exécution avec ce dossier</translation>
    </message>
    <message>
        <source>A sweep cannot vary %1: every run uses the lottery and the sweep settings chosen before the sweep starts</source>
        <translation>Un balayage ne peut pas faire varier %1 : chaque essai utilise la loterie et les réglages du balayage choisis avant son début</translation>
    </message>
    <message>
        <source>The sweep would make %1 runs (%2 settings × %3 repetitions); it makes at most %4. Give fewer values or repetitions.</source>
        <translation>Le balayage ferait %1 essais (%2 réglages × %3 répétitions); il en fait au plus %4. Indiquez moins de valeurs ou de répétitions.</translation>
    </message>
    <message>
        <source>With %1 repetitions the sweep&apos;s lucky number must lie in 1..%2</source>
        <translation>Avec %1 répétitions, le numéro chanceux du balayage doit être compris entre 1 et %2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was replaced or changed by another program while the update ran, so the update stopped without writing to it. Start the update again.</source>
        <translation>« %1 » a été remplacé ou modifié par un autre programme pendant la mise à jour; la mise à jour s&apos;est arrêtée sans y écrire. Relancez la mise à jour.</translation>
    </message>
    <message>
        <source>The tip list could not be read: %1</source>
        <translation>La liste des grilles n&apos;a pas pu être lue : %1</translation>
    </message>
    <message>
        <source>The program starts with an empty list; the old file is kept as %1.</source>
        <translation>Le programme démarre avec une liste vide; l&apos;ancien fichier est conservé sous le nom %1.</translation>
    </message>
    <message>
        <source>The old file could not be kept as %1: %2</source>
        <translation>L&apos;ancien fichier n&apos;a pas pu être conservé sous le nom %1 : %2</translation>
    </message>
    <message>
        <source>The settings file could not be read and is kept as it is: %1</source>
        <translation>Le fichier des réglages n&apos;a pas pu être lu et est conservé tel quel : %1</translation>
    </message>
    <message>
        <source>The settings could not be written to &quot;%1&quot;.</source>
        <translation>Les réglages n&apos;ont pas pu être écrits dans « %1 ».</translation>
    </message>
    <message>
        <source>Back-test: comparing with chance</source>
        <translation>Test rétrospectif : comparaison avec le hasard</translation>
    </message>
    <message>
        <source>A calculation is running; press Stop or Esc first.</source>
        <translation>Un calcul est en cours; appuyez d’abord sur Arrêter ou Échap.</translation>
    </message>
    <message>
        <source>A back-test is running; press Stop or Esc first.</source>
        <translation>Un test rétrospectif est en cours; appuyez d’abord sur Arrêter ou Échap.</translation>
    </message>
    <message>
        <source>An update run is running; press Stop reading or Esc first.</source>
        <translation>Une mise à jour est en cours; appuyez d’abord sur Arrêter la lecture ou Échap.</translation>
    </message>
    <message>
        <source>A search is running; press Stop or Esc first.</source>
        <translation>Une recherche est en cours; appuyez d’abord sur Arrêter ou Échap.</translation>
    </message>
    <message>
        <source>A sweep is running; press Stop or Esc first.</source>
        <translation>Un balayage est en cours; appuyez d’abord sur Arrêter ou Échap.</translation>
    </message>
    <message>
        <source>The comparison with chance could not be worked out.</source>
        <translation>La comparaison avec le hasard n’a pas pu être établie.</translation>
    </message>
</context>
<context>
    <name>OptionsPage</name>
    <message>
        <source>Language</source>
        <translation>Langue</translation>
    </message>
    <message>
        <source>Automatic</source>
        <translation>Automatique</translation>
    </message>
    <message>
        <source>Automatic: French under a French locale, English otherwise</source>
        <translation>Automatique : français si les paramètres régionaux sont français, anglais sinon</translation>
    </message>
    <message>
        <source>at the next start</source>
        <translation>au prochain démarrage</translation>
    </message>
    <message>
        <source>statistical</source>
        <translation>statistiques</translation>
    </message>
    <message>
        <source>ticket optimization</source>
        <translation>optimisation des billets</translation>
    </message>
    <message>
        <source>mathematically</source>
        <translation>mathématiques</translation>
    </message>
    <message>
        <source>general</source>
        <translation>général</translation>
    </message>
</context>
<context>
    <name>PrintMenu</name>
    <message>
        <source>Print tips…</source>
        <translation>Imprimer les grilles…</translation>
    </message>
    <message>
        <source>Save tips as PDF…</source>
        <translation>Enregistrer les grilles en PDF…</translation>
    </message>
    <message>
        <source>Print ticket sheet…</source>
        <translation>Imprimer la feuille de billets…</translation>
    </message>
    <message>
        <source>Save ticket sheet as PDF…</source>
        <translation>Enregistrer la feuille de billets en PDF…</translation>
    </message>
    <message>
        <source>Print evaluation…</source>
        <translation>Imprimer la vérification…</translation>
    </message>
    <message>
        <source>Save evaluation as PDF…</source>
        <translation>Enregistrer la vérification en PDF…</translation>
    </message>
    <message>
        <source>Print back-test report…</source>
        <translation>Imprimer le rapport de test…</translation>
    </message>
    <message>
        <source>Save back-test report as PDF…</source>
        <translation>Enregistrer le rapport de test en PDF…</translation>
    </message>
</context>
<context>
    <name>numora::MainWindowView</name>
    <message>
        <source>Sweep: which settings would have done best…</source>
        <translation>Balayage : quels réglages auraient le mieux réussi…</translation>
    </message>
</context>
<context>
    <name>numora::SweepWindow</name>
    <message>
        <source>Sweep: which settings would have done best</source>
        <translation>Balayage : quels réglages auraient le mieux réussi</translation>
    </message>
    <message>
        <source>control and values, e.g. UpDown6 5..9 or CheckBox18 0,1</source>
        <translation>contrôle et valeurs, p. ex. UpDown6 5..9 ou CheckBox18 0,1</translation>
    </message>
    <message>
        <source>Vary</source>
        <translation>Varier</translation>
    </message>
    <message>
        <source>Lucky numbers per setting</source>
        <translation>Nombres porte-bonheur par réglage</translation>
    </message>
    <message>
        <source>all cores</source>
        <translation>tous les cœurs</translation>
    </message>
    <message>
        <source>Threads</source>
        <translation>Fils d’exécution</translation>
    </message>
    <message>
        <source>Return per unit stake, best setting first</source>
        <translation>Gain par unité misée, meilleur réglage d’abord</translation>
    </message>
    <message>
        <source>return</source>
        <translation>gain</translation>
    </message>
    <message>
        <source>what chance returns</source>
        <translation>ce que donne le hasard</translation>
    </message>
    <message>
        <source>best of as many settings by luck (95 %)</source>
        <translation>meilleur d’autant de réglages par chance (95 %)</translation>
    </message>
    <message>
        <source>90 % of chance</source>
        <translation>90 % du hasard</translation>
    </message>
    <message>
        <source>setting (place in the result list)</source>
        <translation>réglage (rang dans la liste des résultats)</translation>
    </message>
    <message>
        <source>per unit stake</source>
        <translation>par unité misée</translation>
    </message>
</context>
</TS>
