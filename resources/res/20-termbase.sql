-- Seed of every new termbase: the tables a new .lxb file copies, in copy order.
-- Rows are stored parents first (datcats by parentCatID, elements by parentID): a new
-- termbase reads them in stored order and each row's parent must already be there.

CREATE TABLE charsets (
  charsetID   VARCHAR(20) NOT NULL PRIMARY KEY COLLATE NOCASE,
  description TEXT,
  wsd         TEXT
);
INSERT INTO charsets VALUES
  ('ISO-8859-1', 'Latin alphabet No. 1: Western European languages', 'Latin script, written left to right'),
  ('ISO-8859-2', 'Latin alphabet No. 2: Central European languages', 'Latin script, written left to right'),
  ('ISO-8859-5', 'Latin/Cyrillic alphabet', 'Cyrillic script, written left to right'),
  ('ISO-8859-7', 'Latin/Greek alphabet', 'Greek script, written left to right'),
  ('ISO-8859-15', 'Latin alphabet No. 9: Western European languages with the euro sign',
   'Latin script, written left to right'),
  ('UTF-8', 'Unicode, every script', 'Any script, in its own direction');

-- Languages by ISO 639-1 code. "order" is their place in the editor's language list.
-- A new termbase takes only langID, description, charsetID and order: the writing
-- system, collating sequence and noise list stay for the terminologist to fill in.
CREATE TABLE langs (
  langID             VARCHAR(3) NOT NULL PRIMARY KEY COLLATE NOCASE,
  description        TEXT,
  charsetID          VARCHAR(20) COLLATE NOCASE REFERENCES charsets (charsetID),
  wsd                TEXT,
  collating_sequence TEXT,
  noise_list         TEXT,
  "order"            TINYINT
);
INSERT INTO langs VALUES
  ('en', 'English', 'ISO-8859-1', 'Latin script, written left to right', NULL, 'a an and of the', 1),
  ('es', 'Spanish', 'ISO-8859-1', 'Latin script, written left to right',
   'a b c d e f g h i j k l m n ñ o p q r s t u v w x y z', 'de del el la las los y', 2),
  ('fr', 'French', 'ISO-8859-15', NULL, NULL, 'de des du et la le les un une', 3),
  ('de', 'German', 'ISO-8859-1', NULL, NULL, 'der die das ein eine und', 4),
  ('it', 'Italian', 'ISO-8859-1', NULL, NULL, NULL, 5),
  ('pt', 'Portuguese', 'ISO-8859-1', NULL, NULL, NULL, 6),
  ('ca', 'Catalan', 'ISO-8859-1', NULL, NULL, NULL, 7),
  ('gl', 'Galician', 'ISO-8859-1', NULL, NULL, NULL, 8),
  ('eu', 'Basque', 'ISO-8859-1', NULL, NULL, NULL, 9),
  ('nl', 'Dutch', 'ISO-8859-1', NULL, NULL, NULL, 10),
  ('da', 'Danish', 'ISO-8859-1', NULL, NULL, NULL, 11),
  ('sv', 'Swedish', 'ISO-8859-1', NULL, NULL, NULL, 12),
  ('no', 'Norwegian', 'ISO-8859-1', NULL, NULL, NULL, 13),
  ('fi', 'Finnish', 'ISO-8859-15', NULL, NULL, NULL, 14),
  ('pl', 'Polish', 'ISO-8859-2', NULL, NULL, NULL, 15),
  ('cs', 'Czech', 'ISO-8859-2', NULL, NULL, NULL, 16),
  ('hu', 'Hungarian', 'ISO-8859-2', NULL, NULL, NULL, 17),
  ('el', 'Greek', 'ISO-8859-7', 'Greek script, written left to right', NULL, NULL, 18),
  ('ru', 'Russian', 'ISO-8859-5', 'Cyrillic script, written left to right', NULL, NULL, 19),
  ('ar', 'Arabic', 'UTF-8', 'Arabic script, written right to left', NULL, NULL, 20),
  ('zh', 'Chinese', 'UTF-8', NULL, NULL, NULL, 21),
  ('ja', 'Japanese', 'UTF-8', NULL, NULL, NULL, 22);

-- The data-category catalogue, numbered as terminologists know it from the published
-- inventories of data categories for terminology interchange, with "x" codes for the
-- back-matter containers and records.
--   GI_name    the kind of element: "ptr" elements point at another element (a
--              cross-reference, stored with a text row and a pointer row); "ref"
--              elements point at an attached file; "refObject" is the file itself.
--   type       the category's type attribute. For a "ptr" category it is written as
--              the cross-reference's text, so it is a readable phrase there.
--   value_type where the value lives: text, picklist, date or number (the table of
--              that name & "_values"); container or none carry no value.
--   needs_lang the element carries a language of its own.
--   forms_link the element links to another element (cross-references, references to
--              back-matter records and attached files).
--   parentCatID the category's place in the catalogue; "DC" is the catalogue's root.
-- "DC" and "all" are structural and have no names: "all" as a parent in
-- valid_families means "under any element".
CREATE TABLE datcats (
  categoryID  VARCHAR(10) NOT NULL PRIMARY KEY COLLATE NOCASE,
  GI_name     VARCHAR(15),
  type        VARCHAR(32),
  value_type  VARCHAR(9),
  needs_lang  BOOLEAN NOT NULL DEFAULT 0,
  forms_link  BOOLEAN NOT NULL DEFAULT 0,
  parentCatID VARCHAR(10) COLLATE NOCASE REFERENCES datcats (categoryID)
);
CREATE TABLE datcats_names (
  categoryID VARCHAR(10) NOT NULL COLLATE NOCASE REFERENCES datcats (categoryID),
  langID     VARCHAR(3) NOT NULL COLLATE NOCASE REFERENCES langs (langID),
  name       VARCHAR(255) NOT NULL,
  PRIMARY KEY (categoryID, langID)
);

INSERT INTO datcats VALUES
  ('DC', 'DC', 'catalogue', 'none', 0, 0, NULL),
  ('all', 'any', 'anyElement', 'none', 0, 0, NULL);

-- The structure of a termbase: the root element's category, the header, the body that
-- holds the term entries, the entries and their language sections, the back matter.
-- The body is called "body" in every language: that is how the element tree knows it.
INSERT INTO datcats VALUES
  ('0', 'martif', 'termbase', 'container', 0, 0, 'DC'),
  ('0.1', 'martifHeader', 'header', 'container', 0, 0, '0'),
  ('0.2', 'body', 'body', 'container', 0, 0, '0'),
  ('0.3', 'termEntry', 'termEntry', 'container', 0, 0, '0'),
  ('0.4', 'langSet', 'languageSection', 'container', 1, 0, '0'),
  ('0.5', 'back', 'backmatter', 'container', 0, 0, '0'),
  ('1', 'term', 'term', 'none', 1, 0, 'DC');
INSERT INTO datcats_names VALUES
  ('0', 'en', 'termbase'), ('0', 'es', 'base terminológica'),
  ('0.1', 'en', 'header'), ('0.1', 'es', 'cabecera'),
  ('0.2', 'en', 'body'), ('0.2', 'es', 'body'),
  ('0.3', 'en', 'term entry'), ('0.3', 'es', 'entrada terminológica'),
  ('0.4', 'en', 'language section'), ('0.4', 'es', 'sección de idioma'),
  ('0.5', 'en', 'backmatter'), ('0.5', 'es', 'backmatter'),
  ('1', 'en', 'term'), ('1', 'es', 'término');

-- Term-related information, with equivalence between languages.
INSERT INTO datcats VALUES
  ('2', 'termGrp', 'termInformation', 'none', 0, 0, 'DC'),
  ('2.1', 'termNote', 'termType', 'picklist', 0, 0, '2'),
  ('2.2', 'termNote', 'grammar', 'none', 0, 0, '2'),
  ('2.2.1', 'termNote', 'grammaticalGender', 'picklist', 0, 0, '2.2'),
  ('2.2.2', 'termNote', 'grammaticalNumber', 'picklist', 0, 0, '2.2'),
  ('2.2.3', 'termNote', 'nounClass', 'text', 0, 0, '2.2'),
  ('2.2.4', 'termNote', 'partOfSpeech', 'picklist', 0, 0, '2.2'),
  ('2.2.5', 'termNote', 'grammaticalValency', 'text', 0, 0, '2.2'),
  ('2.3', 'termNote', 'usage', 'none', 0, 0, '2'),
  ('2.3.1', 'termNote', 'geographicalUsage', 'text', 0, 0, '2.3'),
  ('2.3.2', 'termNote', 'register', 'picklist', 0, 0, '2.3'),
  ('2.3.3', 'termNote', 'frequency', 'picklist', 0, 0, '2.3'),
  ('2.3.4', 'termNote', 'temporalQualifier', 'picklist', 0, 0, '2.3'),
  ('2.3.5', 'termNote', 'timeRestriction', 'text', 0, 0, '2.3'),
  ('2.3.6', 'termNote', 'proprietaryRestriction', 'picklist', 0, 0, '2.3'),
  ('2.4', 'termNote', 'termStatus', 'none', 0, 0, '2'),
  ('2.4.1', 'termNote', 'normativeAuthorization', 'picklist', 0, 0, '2.4'),
  ('2.4.2', 'termNote', 'languagePlanningQualifier', 'picklist', 0, 0, '2.4'),
  ('2.4.3', 'termNote', 'administrativeStatus', 'picklist', 0, 0, '2.4'),
  ('2.4.4', 'termNote', 'processStatus', 'picklist', 0, 0, '2.4'),
  ('2.5', 'termNote', 'transferComment', 'text', 0, 0, '2'),
  ('2.6', 'termNote', 'pronunciation', 'text', 0, 0, '2'),
  ('2.7', 'termNote', 'hyphenation', 'text', 0, 0, '2'),
  ('2.8', 'termNote', 'termOrigin', 'none', 0, 0, '2'),
  ('2.8.1', 'termNote', 'termProvenance', 'picklist', 0, 0, '2.8'),
  ('2.8.2', 'termNote', 'etymology', 'text', 0, 0, '2.8'),
  ('2.9', 'termNote', 'termStructure', 'none', 0, 0, '2'),
  ('2.9.1', 'termNote', 'termElement', 'text', 0, 0, '2.9'),
  ('2.9.2', 'termNote', 'headTerm', 'text', 0, 0, '2.9'),
  ('3', 'termNote', 'equivalence', 'none', 0, 0, '2'),
  ('3.1', 'termNote', 'equivalenceRelation', 'picklist', 0, 0, '3'),
  ('3.2', 'termNote', 'falseFriend', 'text', 1, 0, '3'),
  ('3.2x', 'ptr', 'false friend', 'text', 0, 1, '3'),
  ('3.3', 'termNote', 'directionality', 'picklist', 0, 0, '3'),
  ('3.4', 'termNote', 'degreeOfEquivalence', 'number', 0, 0, '3'),
  ('3.5', 'termNote', 'homograph', 'text', 1, 0, '3'),
  ('3.5x', 'ptr', 'homograph', 'text', 0, 1, '3');
INSERT INTO datcats_names VALUES
  ('2', 'en', 'term-related information'), ('2', 'es', 'información sobre el término'),
  ('2.1', 'en', 'term type'), ('2.1', 'es', 'tipo de término'),
  ('2.2', 'en', 'grammar'), ('2.2', 'es', 'gramática'),
  ('2.2.1', 'en', 'grammatical gender'), ('2.2.1', 'es', 'género gramatical'),
  ('2.2.2', 'en', 'grammatical number'), ('2.2.2', 'es', 'número gramatical'),
  ('2.2.3', 'en', 'noun class'), ('2.2.3', 'es', 'clase nominal'),
  ('2.2.4', 'en', 'part of speech'), ('2.2.4', 'es', 'categoría gramatical'),
  ('2.2.5', 'en', 'grammatical valency'), ('2.2.5', 'es', 'valencia gramatical'),
  ('2.3', 'en', 'usage'), ('2.3', 'es', 'uso'),
  ('2.3.1', 'en', 'geographical usage'), ('2.3.1', 'es', 'uso geográfico'),
  ('2.3.2', 'en', 'register'), ('2.3.2', 'es', 'registro'),
  ('2.3.3', 'en', 'frequency'), ('2.3.3', 'es', 'frecuencia'),
  ('2.3.4', 'en', 'temporal qualifier'), ('2.3.4', 'es', 'calificador temporal'),
  ('2.3.5', 'en', 'time restriction'), ('2.3.5', 'es', 'restricción temporal'),
  ('2.3.6', 'en', 'proprietary restriction'), ('2.3.6', 'es', 'restricción de propiedad'),
  ('2.4', 'en', 'term status'), ('2.4', 'es', 'estatus del término'),
  ('2.4.1', 'en', 'normative authorization'), ('2.4.1', 'es', 'autorización normativa'),
  ('2.4.2', 'en', 'language-planning qualifier'), ('2.4.2', 'es', 'calificador de planificación lingüística'),
  ('2.4.3', 'en', 'administrative status'), ('2.4.3', 'es', 'estatus administrativo'),
  ('2.4.4', 'en', 'process status'), ('2.4.4', 'es', 'estado de elaboración'),
  ('2.5', 'en', 'transfer comment'), ('2.5', 'es', 'comentario de transferencia'),
  ('2.6', 'en', 'pronunciation'), ('2.6', 'es', 'pronunciación'),
  ('2.7', 'en', 'hyphenation'), ('2.7', 'es', 'división silábica'),
  ('2.8', 'en', 'term origin'), ('2.8', 'es', 'origen del término'),
  ('2.8.1', 'en', 'term provenance'), ('2.8.1', 'es', 'procedencia del término'),
  ('2.8.2', 'en', 'etymology'), ('2.8.2', 'es', 'etimología'),
  ('2.9', 'en', 'term structure'), ('2.9', 'es', 'estructura del término'),
  ('2.9.1', 'en', 'term element'), ('2.9.1', 'es', 'elemento del término'),
  ('2.9.2', 'en', 'head of term'), ('2.9.2', 'es', 'núcleo del término'),
  ('3', 'en', 'equivalence'), ('3', 'es', 'equivalencia'),
  ('3.1', 'en', 'equivalence relation'), ('3.1', 'es', 'relación de equivalencia'),
  ('3.2', 'en', 'false friend'), ('3.2', 'es', 'falso amigo'),
  ('3.2x', 'en', 'false friend (term)'), ('3.2x', 'es', 'falso amigo (término)'),
  ('3.3', 'en', 'direction of equivalence'), ('3.3', 'es', 'dirección de la equivalencia'),
  ('3.4', 'en', 'degree of equivalence'), ('3.4', 'es', 'grado de equivalencia'),
  ('3.5', 'en', 'homograph'), ('3.5', 'es', 'homógrafo'),
  ('3.5x', 'en', 'homograph (term)'), ('3.5x', 'es', 'homógrafo (término)');

-- Concept-related description: subject field, definitions and their kin, non-verbal
-- representations, relations to other concepts, the concept's place in a system, notes.
INSERT INTO datcats VALUES
  ('descrip', 'descrip', 'description', 'none', 0, 0, 'DC'),
  ('4', 'descrip', 'subjectField', 'none', 0, 1, 'descrip'),
  ('4.2', 'descrip', 'classificationCode', 'text', 0, 0, '4'),
  ('5.1', 'descrip', 'definition', 'text', 1, 0, 'descrip'),
  ('5.2', 'descrip', 'explanation', 'text', 1, 0, 'descrip'),
  ('5.3', 'descrip', 'context', 'text', 1, 0, 'descrip'),
  ('5.3x', 'ref', 'contextFile', 'none', 0, 1, '5.3'),
  ('5.4', 'descrip', 'example', 'text', 1, 0, 'descrip'),
  ('5.5', 'descrip', 'nonVerbalRepresentation', 'none', 0, 0, 'descrip'),
  ('5.5.1', 'ref', 'figure', 'none', 0, 1, '5.5'),
  ('5.5.2', 'ref', 'audio', 'none', 0, 1, '5.5'),
  ('5.5.3', 'ref', 'video', 'none', 0, 1, '5.5'),
  ('5.5.4', 'ref', 'table', 'none', 0, 1, '5.5'),
  ('5.5.5', 'ref', 'otherBinaryData', 'none', 0, 1, '5.5'),
  ('6', 'descrip', 'conceptRelation', 'none', 0, 0, 'descrip'),
  ('6.1', 'descrip', 'broader concept generic', 'text', 0, 0, '6'),
  ('6.2', 'descrip', 'broader concept partitive', 'text', 0, 0, '6'),
  ('6.3', 'descrip', 'narrower concept generic', 'text', 0, 0, '6'),
  ('6.4', 'descrip', 'narrower concept partitive', 'text', 0, 0, '6'),
  ('6.5', 'descrip', 'related concept', 'text', 0, 0, '6'),
  ('6.6', 'descrip', 'sequentially related concept', 'text', 0, 0, '6'),
  ('6.7', 'descrip', 'spatially related concept', 'text', 0, 0, '6'),
  ('6.8', 'descrip', 'temporally related concept', 'text', 0, 0, '6'),
  ('7', 'descrip', 'conceptualStructure', 'none', 0, 0, 'descrip'),
  ('7.1', 'descrip', 'conceptPosition', 'text', 0, 0, '7'),
  ('7.2', 'descrip', 'conceptSystem', 'text', 0, 0, '7'),
  ('8', 'note', 'note', 'text', 1, 0, 'descrip');
INSERT INTO datcats_names VALUES
  ('descrip', 'en', 'concept-related description'), ('descrip', 'es', 'descripción del concepto'),
  ('4', 'en', 'subject field'), ('4', 'es', 'campo temático'),
  ('4.2', 'en', 'classification code'), ('4.2', 'es', 'código de clasificación'),
  ('5.1', 'en', 'definition'), ('5.1', 'es', 'definición'),
  ('5.2', 'en', 'explanation'), ('5.2', 'es', 'explicación'),
  ('5.3', 'en', 'context'), ('5.3', 'es', 'contexto'),
  ('5.3x', 'en', 'context from a file'), ('5.3x', 'es', 'contexto de un archivo'),
  ('5.4', 'en', 'example'), ('5.4', 'es', 'ejemplo'),
  ('5.5', 'en', 'non-verbal representation'), ('5.5', 'es', 'representación no verbal'),
  ('5.5.1', 'en', 'figure'), ('5.5.1', 'es', 'figura'),
  ('5.5.2', 'en', 'audio'), ('5.5.2', 'es', 'audio'),
  ('5.5.3', 'en', 'video'), ('5.5.3', 'es', 'vídeo'),
  ('5.5.4', 'en', 'table'), ('5.5.4', 'es', 'tabla'),
  ('5.5.5', 'en', 'other binary data'), ('5.5.5', 'es', 'otros datos binarios'),
  ('6', 'en', 'concept relation'), ('6', 'es', 'relación conceptual'),
  ('6.1', 'en', 'broader concept (generic)'), ('6.1', 'es', 'concepto superordinado genérico'),
  ('6.2', 'en', 'broader concept (partitive)'), ('6.2', 'es', 'concepto superordinado partitivo'),
  ('6.3', 'en', 'narrower concept (generic)'), ('6.3', 'es', 'concepto subordinado genérico'),
  ('6.4', 'en', 'narrower concept (partitive)'), ('6.4', 'es', 'concepto subordinado partitivo'),
  ('6.5', 'en', 'related concept'), ('6.5', 'es', 'concepto relacionado'),
  ('6.6', 'en', 'sequentially related concept'), ('6.6', 'es', 'concepto relacionado secuencialmente'),
  ('6.7', 'en', 'spatially related concept'), ('6.7', 'es', 'concepto relacionado espacialmente'),
  ('6.8', 'en', 'temporally related concept'), ('6.8', 'es', 'concepto relacionado temporalmente'),
  ('7', 'en', 'conceptual structure'), ('7', 'es', 'estructura conceptual'),
  ('7.1', 'en', 'concept position'), ('7.1', 'es', 'posición del concepto'),
  ('7.2', 'en', 'concept system'), ('7.2', 'es', 'sistema conceptual'),
  ('8', 'en', 'note'), ('8', 'es', 'nota');

-- Administrative information: documentary languages, responsibility, subsets, dates,
-- cross-references, sources and external references. The categories that refer to a
-- back-matter record (4 above, 10.2.2.1 to 10.2.2.10, 10.20, 10.21.1, 10.21.2) keep
-- no value of their own: the element is a pointer to the record.
INSERT INTO datcats VALUES
  ('admin', 'admin', 'administrative', 'none', 0, 0, 'DC'),
  ('9', 'admin', 'documentaryLanguage', 'none', 0, 0, 'admin'),
  ('9.1', 'admin', 'thesaurusDescriptor', 'text', 0, 0, '9'),
  ('9.2', 'admin', 'thesaurusRelation', 'none', 0, 0, '9'),
  ('9.2.1', 'ptr', 'broader term', 'text', 0, 1, '9.2'),
  ('9.2.2', 'ptr', 'narrower term', 'text', 0, 1, '9.2'),
  ('9.2.3', 'ptr', 'related term', 'text', 0, 1, '9.2'),
  ('9.2.4', 'ptr', 'used for', 'text', 0, 1, '9.2'),
  ('10.1', 'admin', 'entryIdentifier', 'text', 0, 0, 'admin'),
  ('10.2', 'admin', 'responsibility', 'none', 0, 0, 'admin'),
  ('10.2.1', 'admin', 'originatingInstitution', 'text', 0, 0, '10.2'),
  ('10.2.2', 'admin', 'responsiblePerson', 'none', 0, 0, '10.2'),
  ('10.2.2.1', 'admin', 'origination', 'none', 0, 1, '10.2.2'),
  ('10.2.2.2', 'admin', 'input', 'none', 0, 1, '10.2.2'),
  ('10.2.2.3', 'admin', 'modification', 'none', 0, 1, '10.2.2'),
  ('10.2.2.4', 'admin', 'check', 'none', 0, 1, '10.2.2'),
  ('10.2.2.5', 'admin', 'approval', 'none', 0, 1, '10.2.2'),
  ('10.2.2.6', 'admin', 'withdrawal', 'none', 0, 1, '10.2.2'),
  ('10.2.2.7', 'admin', 'standardization', 'none', 0, 1, '10.2.2'),
  ('10.2.2.8', 'admin', 'exportation', 'none', 0, 1, '10.2.2'),
  ('10.2.2.9', 'admin', 'importation', 'none', 0, 1, '10.2.2'),
  ('10.2.2.10', 'admin', 'transmission', 'none', 0, 1, '10.2.2'),
  ('10.3', 'admin', 'subset', 'none', 0, 0, 'admin'),
  ('10.3.1', 'admin', 'customerSubset', 'text', 0, 0, '10.3'),
  ('10.3.2', 'admin', 'projectSubset', 'text', 0, 0, '10.3'),
  ('10.3.3', 'admin', 'environmentSubset', 'text', 0, 0, '10.3'),
  ('10.3.4', 'admin', 'productSubset', 'text', 0, 0, '10.3'),
  ('10.3.5', 'admin', 'businessUnitSubset', 'text', 0, 0, '10.3'),
  ('10.3.6', 'admin', 'securitySubset', 'text', 0, 0, '10.3'),
  ('10.4', 'date', 'date', 'none', 0, 0, 'admin'),
  ('10.4.1', 'date', 'creationDate', 'date', 0, 0, '10.4'),
  ('10.4.2', 'date', 'modificationDate', 'date', 0, 0, '10.4'),
  ('10.4.3', 'date', 'reviewDate', 'date', 0, 0, '10.4'),
  ('10.6', 'admin', 'lexicalRelation', 'none', 0, 0, 'admin'),
  ('10.6.1', 'ptr', 'antonym', 'text', 0, 1, '10.6'),
  ('10.18', 'ptr', 'crossReference', 'text', 0, 1, 'admin'),
  ('10.18.5', 'ptr', 'see', 'text', 0, 1, '10.18'),
  ('10.18.6', 'ptr', 'see also', 'text', 0, 1, '10.18'),
  ('10.20', 'admin', 'source', 'none', 0, 1, 'admin'),
  ('10.21', 'admin', 'externalReference', 'none', 0, 0, 'admin'),
  ('10.21.1', 'admin', 'url', 'none', 0, 1, '10.21'),
  ('10.21.2', 'admin', 'fpi', 'none', 0, 1, '10.21');
INSERT INTO datcats_names VALUES
  ('admin', 'en', 'administrative information'), ('admin', 'es', 'información administrativa'),
  ('9', 'en', 'documentary language'), ('9', 'es', 'lenguaje documental'),
  ('9.1', 'en', 'thesaurus descriptor'), ('9.1', 'es', 'descriptor de tesauro'),
  ('9.2', 'en', 'thesaurus relation'), ('9.2', 'es', 'relación de tesauro'),
  ('9.2.1', 'en', 'broader term'), ('9.2.1', 'es', 'término genérico'),
  ('9.2.2', 'en', 'narrower term'), ('9.2.2', 'es', 'término específico'),
  ('9.2.3', 'en', 'related term'), ('9.2.3', 'es', 'término relacionado'),
  ('9.2.4', 'en', 'used for'), ('9.2.4', 'es', 'usado por'),
  ('10.1', 'en', 'entry identifier'), ('10.1', 'es', 'identificador de entrada'),
  ('10.2', 'en', 'responsibility'), ('10.2', 'es', 'responsabilidad'),
  ('10.2.1', 'en', 'originating institution'), ('10.2.1', 'es', 'institución de origen'),
  ('10.2.2', 'en', 'responsible person'), ('10.2.2', 'es', 'persona responsable'),
  ('10.2.2.1', 'en', 'originated by'), ('10.2.2.1', 'es', 'creado por'),
  ('10.2.2.2', 'en', 'input by'), ('10.2.2.2', 'es', 'introducido por'),
  ('10.2.2.3', 'en', 'modified by'), ('10.2.2.3', 'es', 'modificado por'),
  ('10.2.2.4', 'en', 'checked by'), ('10.2.2.4', 'es', 'revisado por'),
  ('10.2.2.5', 'en', 'approved by'), ('10.2.2.5', 'es', 'aprobado por'),
  ('10.2.2.6', 'en', 'withdrawn by'), ('10.2.2.6', 'es', 'retirado por'),
  ('10.2.2.7', 'en', 'standardized by'), ('10.2.2.7', 'es', 'normalizado por'),
  ('10.2.2.8', 'en', 'exported by'), ('10.2.2.8', 'es', 'exportado por'),
  ('10.2.2.9', 'en', 'imported by'), ('10.2.2.9', 'es', 'importado por'),
  ('10.2.2.10', 'en', 'transmitted by'), ('10.2.2.10', 'es', 'transmitido por'),
  ('10.3', 'en', 'subset'), ('10.3', 'es', 'subconjunto'),
  ('10.3.1', 'en', 'customer subset'), ('10.3.1', 'es', 'subconjunto de cliente'),
  ('10.3.2', 'en', 'project subset'), ('10.3.2', 'es', 'subconjunto de proyecto'),
  ('10.3.3', 'en', 'environment subset'), ('10.3.3', 'es', 'subconjunto de entorno'),
  ('10.3.4', 'en', 'product subset'), ('10.3.4', 'es', 'subconjunto de producto'),
  ('10.3.5', 'en', 'business unit subset'), ('10.3.5', 'es', 'subconjunto de unidad de negocio'),
  ('10.3.6', 'en', 'security subset'), ('10.3.6', 'es', 'subconjunto de seguridad'),
  ('10.4', 'en', 'date'), ('10.4', 'es', 'fecha'),
  ('10.4.1', 'en', 'creation date'), ('10.4.1', 'es', 'fecha de creación'),
  ('10.4.2', 'en', 'modification date'), ('10.4.2', 'es', 'fecha de modificación'),
  ('10.4.3', 'en', 'review date'), ('10.4.3', 'es', 'fecha de revisión'),
  ('10.6', 'en', 'lexical relation'), ('10.6', 'es', 'relación léxica'),
  ('10.6.1', 'en', 'antonym'), ('10.6.1', 'es', 'antónimo'),
  ('10.18', 'en', 'cross-reference'), ('10.18', 'es', 'referencia cruzada'),
  ('10.18.5', 'en', 'see'), ('10.18.5', 'es', 'véase'),
  ('10.18.6', 'en', 'see also'), ('10.18.6', 'es', 'véase también'),
  ('10.20', 'en', 'source'), ('10.20', 'es', 'fuente'),
  ('10.21', 'en', 'external reference'), ('10.21', 'es', 'referencia externa'),
  ('10.21.1', 'en', 'URL'), ('10.21.1', 'es', 'URL'),
  ('10.21.2', 'en', 'formal public identifier'), ('10.21.2', 'es', 'identificador público formal');

-- Back matter: the containers first, then the records kept in them and the fields of
-- person and bibliographical records. "x5.5" and "x11.1" are files attached to the
-- termbase (their name is the value); every other record keeps its text.
INSERT INTO datcats VALUES
  ('100', 'back', 'backMatterRecords', 'none', 0, 0, 'DC'),
  ('x1', 'refObjectList', 'bibliography', 'container', 0, 0, '100'),
  ('x2', 'refObjectList', 'attachedFiles', 'container', 0, 0, '100'),
  ('x3', 'refObjectList', 'responsiblePersons', 'container', 0, 0, '100'),
  ('x4', 'refObjectList', 'subjectFields', 'container', 0, 0, '100'),
  ('x5', 'refObjectList', 'urls', 'container', 0, 0, '100'),
  ('x6', 'refObjectList', 'fpis', 'container', 0, 0, '100'),
  ('x7', 'refObjectList', 'conceptSystems', 'container', 0, 0, '100'),
  ('x8', 'refObjectList', 'subsets', 'container', 0, 0, '100'),
  ('x9', 'refObjectList', 'documentaryLanguages', 'container', 0, 0, '100'),
  ('x10', 'refObjectList', 'institutions', 'container', 0, 0, '100'),
  ('x11', 'refObjectList', 'contextFiles', 'container', 0, 0, '100'),
  ('x10.20', 'item', 'bibliographicalRecord', 'text', 0, 0, 'x1'),
  ('x10.20.1', 'item', 'author', 'text', 0, 0, 'x10.20'),
  ('x10.20.2', 'item', 'publicationDate', 'text', 0, 0, 'x10.20'),
  ('x10.20.3', 'item', 'article', 'text', 0, 0, 'x10.20'),
  ('x10.20.4', 'item', 'book', 'text', 0, 0, 'x10.20'),
  ('x10.20.5', 'item', 'publishingHouse', 'text', 0, 0, 'x10.20'),
  ('x10.20.6', 'item', 'publishingPlace', 'text', 0, 0, 'x10.20'),
  ('x10.20.8', 'item', 'pages', 'text', 0, 0, 'x10.20'),
  ('x5.5', 'refObject', 'attachedFile', 'none', 0, 0, 'x2'),
  ('x10.2.2', 'item', 'person', 'text', 0, 0, 'x3'),
  ('x10.2.2.2', 'item', 'name', 'text', 0, 0, 'x10.2.2'),
  ('x10.2.2.3', 'item', 'role', 'text', 0, 0, 'x10.2.2'),
  ('x10.2.2.4', 'item', 'email', 'text', 0, 0, 'x10.2.2'),
  ('x10.2.2.5', 'item', 'phone', 'text', 0, 0, 'x10.2.2'),
  ('x10.2.2.6', 'item', 'remarks', 'text', 0, 0, 'x10.2.2'),
  ('xx4', 'item', 'subjectFieldSet', 'text', 0, 0, 'x4'),
  ('x4.2', 'item', 'classificationSystem', 'text', 0, 0, 'x4'),
  ('x10.21.1', 'item', 'url', 'text', 0, 0, 'x5'),
  ('x10.21.2', 'item', 'fpi', 'text', 0, 0, 'x6'),
  ('x7.2', 'item', 'conceptSystem', 'text', 0, 0, 'x7'),
  ('x10.3', 'item', 'subset', 'text', 0, 0, 'x8'),
  ('x9.1', 'item', 'thesaurus', 'text', 0, 0, 'x9'),
  ('x9.2', 'item', 'classificationScheme', 'text', 0, 0, 'x9'),
  ('x10.2.1', 'item', 'institution', 'text', 0, 0, 'x10'),
  ('x11.1', 'refObject', 'contextFile', 'none', 0, 0, 'x11');
INSERT INTO datcats_names VALUES
  ('100', 'en', 'back-matter records'), ('100', 'es', 'registros de la materia final'),
  ('x1', 'en', 'bibliography'), ('x1', 'es', 'bibliografía'),
  ('x2', 'en', 'attached files'), ('x2', 'es', 'archivos adjuntos'),
  ('x3', 'en', 'responsible persons'), ('x3', 'es', 'personas responsables'),
  ('x4', 'en', 'subject fields'), ('x4', 'es', 'campos temáticos'),
  ('x5', 'en', 'URLs'), ('x5', 'es', 'direcciones URL'),
  ('x6', 'en', 'formal public identifiers'), ('x6', 'es', 'identificadores públicos formales'),
  ('x7', 'en', 'concept systems'), ('x7', 'es', 'sistemas conceptuales'),
  ('x8', 'en', 'subsets'), ('x8', 'es', 'subconjuntos'),
  ('x9', 'en', 'documentary languages'), ('x9', 'es', 'lenguajes documentales'),
  ('x10', 'en', 'institutions'), ('x10', 'es', 'instituciones'),
  ('x11', 'en', 'context files'), ('x11', 'es', 'archivos de contexto'),
  ('x10.20', 'en', 'bibliographical record'), ('x10.20', 'es', 'registro bibliográfico'),
  ('x10.20.1', 'en', 'author'), ('x10.20.1', 'es', 'autor'),
  ('x10.20.2', 'en', 'publication date'), ('x10.20.2', 'es', 'fecha de publicación'),
  ('x10.20.3', 'en', 'article'), ('x10.20.3', 'es', 'artículo'),
  ('x10.20.4', 'en', 'book'), ('x10.20.4', 'es', 'libro'),
  ('x10.20.5', 'en', 'publishing house'), ('x10.20.5', 'es', 'editorial'),
  ('x10.20.6', 'en', 'place of publication'), ('x10.20.6', 'es', 'lugar de publicación'),
  ('x10.20.8', 'en', 'pages'), ('x10.20.8', 'es', 'páginas'),
  ('x5.5', 'en', 'attached file'), ('x5.5', 'es', 'archivo adjunto'),
  ('x10.2.2', 'en', 'person'), ('x10.2.2', 'es', 'persona'),
  ('x10.2.2.2', 'en', 'name'), ('x10.2.2.2', 'es', 'nombre'),
  ('x10.2.2.3', 'en', 'role'), ('x10.2.2.3', 'es', 'función'),
  ('x10.2.2.4', 'en', 'e-mail'), ('x10.2.2.4', 'es', 'correo electrónico'),
  ('x10.2.2.5', 'en', 'phone'), ('x10.2.2.5', 'es', 'teléfono'),
  ('x10.2.2.6', 'en', 'remarks'), ('x10.2.2.6', 'es', 'observaciones'),
  ('xx4', 'en', 'subject field set'), ('xx4', 'es', 'conjunto de campos temáticos'),
  ('x4.2', 'en', 'classification system'), ('x4.2', 'es', 'sistema de clasificación'),
  ('x10.21.1', 'en', 'web address'), ('x10.21.1', 'es', 'dirección web'),
  ('x10.21.2', 'en', 'FPI'), ('x10.21.2', 'es', 'FPI'),
  ('x7.2', 'en', 'concept system description'), ('x7.2', 'es', 'descripción de sistema conceptual'),
  ('x10.3', 'en', 'subset description'), ('x10.3', 'es', 'descripción de subconjunto'),
  ('x9.1', 'en', 'thesaurus'), ('x9.1', 'es', 'tesauro'),
  ('x9.2', 'en', 'classification scheme'), ('x9.2', 'es', 'esquema de clasificación'),
  ('x10.2.1', 'en', 'institution'), ('x10.2.1', 'es', 'institución'),
  ('x11.1', 'en', 'context file'), ('x11.1', 'es', 'archivo de contexto');

-- The skeleton every termbase starts with: the root (1), its header (2), the body that
-- holds the term entries (3) and the back matter (4) with one container of each kind.
-- New elements are numbered on from the highest elemID here.
CREATE TABLE elements (
  elemID     INTEGER NOT NULL PRIMARY KEY,
  categoryID VARCHAR(10) COLLATE NOCASE REFERENCES datcats (categoryID),
  parentID   INTEGER REFERENCES elements (elemID)
);
INSERT INTO elements VALUES
  (1, '0', NULL),
  (2, '0.1', 1),
  (3, '0.2', 1),
  (4, '0.5', 1),
  (5, 'x1', 4), (6, 'x2', 4), (7, 'x3', 4), (8, 'x4', 4), (9, 'x5', 4), (10, 'x6', 4),
  (11, 'x7', 4), (12, 'x8', 4), (13, 'x9', 4), (14, 'x10', 4), (15, 'x11', 4);

CREATE TABLE picklists (
  categoryID VARCHAR(10) NOT NULL COLLATE NOCASE REFERENCES datcats (categoryID),
  value      VARCHAR(255) NOT NULL COLLATE NOCASE,
  PRIMARY KEY (categoryID, value)
);
INSERT INTO picklists VALUES
  ('2.1', 'main entry term'), ('2.1', 'synonym'), ('2.1', 'quasi-synonym'),
  ('2.1', 'international scientific term'), ('2.1', 'common name'), ('2.1', 'internationalism'),
  ('2.1', 'full form'), ('2.1', 'abbreviated form'), ('2.1', 'abbreviation'), ('2.1', 'initialism'),
  ('2.1', 'acronym'), ('2.1', 'clipped term'), ('2.1', 'variant'), ('2.1', 'transliterated form'),
  ('2.1', 'transcribed form'), ('2.1', 'romanized form'), ('2.1', 'symbol'), ('2.1', 'formula'),
  ('2.1', 'equation'), ('2.1', 'logical expression'), ('2.1', 'phrase'), ('2.1', 'standard text'),
  ('2.1', 'part number'),
  ('2.2.1', 'masculine'), ('2.2.1', 'feminine'), ('2.2.1', 'neuter'), ('2.2.1', 'other gender'),
  ('2.2.2', 'singular'), ('2.2.2', 'plural'), ('2.2.2', 'dual'), ('2.2.2', 'mass noun'),
  ('2.2.2', 'other number'),
  ('2.2.4', 'noun'), ('2.2.4', 'verb'), ('2.2.4', 'adjective'), ('2.2.4', 'adverb'),
  ('2.2.4', 'proper noun'), ('2.2.4', 'other part of speech'),
  ('2.3.2', 'neutral register'), ('2.3.2', 'technical register'), ('2.3.2', 'in-house register'),
  ('2.3.2', 'bench-level register'), ('2.3.2', 'slang register'), ('2.3.2', 'vulgar register'),
  ('2.3.3', 'commonly used'), ('2.3.3', 'infrequently used'), ('2.3.3', 'rarely used'),
  ('2.3.4', 'archaic term'), ('2.3.4', 'outdated term'), ('2.3.4', 'obsolete term'),
  ('2.3.6', 'trademark'), ('2.3.6', 'trade name'),
  ('2.4.1', 'standardized term'), ('2.4.1', 'preferred term'), ('2.4.1', 'admitted term'),
  ('2.4.1', 'deprecated term'), ('2.4.1', 'superseded term'), ('2.4.1', 'legal term'),
  ('2.4.1', 'regulated term'),
  ('2.4.2', 'recommended term'), ('2.4.2', 'non-standardized term'), ('2.4.2', 'proposed term'),
  ('2.4.2', 'new term'),
  ('2.4.3', 'preferred'), ('2.4.3', 'admitted'), ('2.4.3', 'not recommended'), ('2.4.3', 'obsolete'),
  ('2.4.4', 'unprocessed'), ('2.4.4', 'provisionally processed'), ('2.4.4', 'finalized'),
  ('2.8.1', 'transdisciplinary borrowing'), ('2.8.1', 'translingual borrowing'),
  ('2.8.1', 'loan translation'), ('2.8.1', 'neologism'),
  ('3.1', 'equivalent'), ('3.1', 'broader meaning'), ('3.1', 'narrower meaning'),
  ('3.1', 'partially equivalent'), ('3.1', 'no equivalent'),
  ('3.3', 'bidirectional'), ('3.3', 'monodirectional');

-- Where each category may be added. A term entry goes under the body; a term goes
-- under its entry (the editor makes the language section itself, so a term is never
-- offered under a section). Concept-related categories sit on the entry, the
-- language-dependent ones on its language sections too; term-related ones on the
-- term; sources on definitions, explanations, contexts and examples; each back-matter
-- record in its container. Notes and free cross-references go anywhere ("all").
-- Broader, narrower and related concepts are written as text: only terms are
-- cross-referenced. Classification systems, concept-system descriptions, thesauri and
-- subset descriptions are offered under no element: the tree shows them by category
-- name and browse mode as files, so a text stored in them would show nowhere.
-- occurrence: "1" once under one parent, "n" any number of times.
CREATE TABLE valid_families (
  parentCategoryID VARCHAR(10) NOT NULL COLLATE NOCASE REFERENCES datcats (categoryID),
  childCategoryID  VARCHAR(10) NOT NULL COLLATE NOCASE REFERENCES datcats (categoryID),
  occurrence       VARCHAR(1),
  PRIMARY KEY (parentCategoryID, childCategoryID)
);
INSERT INTO valid_families VALUES
  ('all', '8', 'n'), ('all', '10.18', 'n'),
  ('0.1', '5.2', 'n'), ('0.1', '10.2.2.1', 'n'), ('0.1', '10.20', 'n'), ('0.1', '10.21.1', 'n'),
  ('0.2', '0.3', 'n'),
  ('0.3', '1', 'n'),
  ('0.3', '4', 'n'), ('0.3', '4.2', 'n'),
  ('0.3', '5.1', 'n'), ('0.3', '5.2', 'n'), ('0.3', '5.4', 'n'),
  ('0.3', '5.5.1', 'n'), ('0.3', '5.5.2', 'n'), ('0.3', '5.5.3', 'n'), ('0.3', '5.5.4', 'n'),
  ('0.3', '5.5.5', 'n'),
  ('0.3', '6.1', 'n'), ('0.3', '6.2', 'n'), ('0.3', '6.3', 'n'), ('0.3', '6.4', 'n'),
  ('0.3', '6.5', 'n'), ('0.3', '6.6', 'n'), ('0.3', '6.7', 'n'), ('0.3', '6.8', 'n'),
  ('0.3', '7.1', 'n'), ('0.3', '7.2', 'n'),
  ('0.3', '10.1', '1'), ('0.3', '10.2.1', 'n'),
  ('0.3', '10.2.2.1', 'n'), ('0.3', '10.2.2.2', 'n'), ('0.3', '10.2.2.3', 'n'), ('0.3', '10.2.2.4', 'n'),
  ('0.3', '10.2.2.5', 'n'), ('0.3', '10.2.2.6', 'n'), ('0.3', '10.2.2.7', 'n'), ('0.3', '10.2.2.8', 'n'),
  ('0.3', '10.2.2.9', 'n'), ('0.3', '10.2.2.10', 'n'),
  ('0.3', '10.3.1', 'n'), ('0.3', '10.3.2', 'n'), ('0.3', '10.3.3', 'n'), ('0.3', '10.3.4', 'n'),
  ('0.3', '10.3.5', 'n'), ('0.3', '10.3.6', 'n'),
  ('0.3', '10.4.1', '1'), ('0.3', '10.4.2', 'n'), ('0.3', '10.4.3', 'n'),
  ('0.3', '10.20', 'n'), ('0.3', '10.21.1', 'n'), ('0.3', '10.21.2', 'n'),
  ('0.4', '5.1', 'n'), ('0.4', '5.2', 'n'), ('0.4', '5.4', 'n'), ('0.4', '10.20', 'n'),
  ('1', '2.1', '1'), ('1', '2.2.1', '1'), ('1', '2.2.2', '1'), ('1', '2.2.3', '1'), ('1', '2.2.4', '1'),
  ('1', '2.2.5', 'n'), ('1', '2.3.1', 'n'), ('1', '2.3.2', '1'), ('1', '2.3.3', '1'), ('1', '2.3.4', '1'),
  ('1', '2.3.5', 'n'), ('1', '2.3.6', '1'), ('1', '2.4.1', '1'), ('1', '2.4.2', '1'), ('1', '2.4.3', '1'),
  ('1', '2.4.4', '1'), ('1', '2.5', 'n'), ('1', '2.6', 'n'), ('1', '2.7', 'n'), ('1', '2.8.1', '1'),
  ('1', '2.8.2', 'n'), ('1', '2.9.1', 'n'), ('1', '2.9.2', 'n'),
  ('1', '3.1', '1'), ('1', '3.2', 'n'), ('1', '3.2x', 'n'), ('1', '3.3', '1'), ('1', '3.4', '1'),
  ('1', '3.5', 'n'), ('1', '3.5x', 'n'),
  ('1', '5.3', 'n'), ('1', '5.3x', 'n'),
  ('1', '9.1', 'n'), ('1', '9.2.1', 'n'), ('1', '9.2.2', 'n'), ('1', '9.2.3', 'n'), ('1', '9.2.4', 'n'),
  ('1', '10.2.2.1', 'n'), ('1', '10.2.2.2', 'n'), ('1', '10.2.2.3', 'n'), ('1', '10.2.2.4', 'n'),
  ('1', '10.2.2.5', 'n'), ('1', '10.2.2.6', 'n'), ('1', '10.2.2.7', 'n'), ('1', '10.2.2.8', 'n'),
  ('1', '10.2.2.9', 'n'), ('1', '10.2.2.10', 'n'),
  ('1', '10.4.1', '1'), ('1', '10.4.2', 'n'), ('1', '10.4.3', 'n'),
  ('1', '10.6.1', 'n'), ('1', '10.18.5', 'n'), ('1', '10.18.6', 'n'), ('1', '10.20', 'n'),
  ('5.1', '10.20', 'n'), ('5.2', '10.20', 'n'), ('5.3', '10.20', 'n'), ('5.4', '10.20', 'n'),
  ('x1', 'x10.20', 'n'),
  ('x10.20', 'x10.20.1', '1'), ('x10.20', 'x10.20.2', '1'), ('x10.20', 'x10.20.3', '1'),
  ('x10.20', 'x10.20.4', '1'), ('x10.20', 'x10.20.5', '1'), ('x10.20', 'x10.20.6', '1'),
  ('x10.20', 'x10.20.8', '1'),
  ('x2', 'x5.5', 'n'),
  ('x3', 'x10.2.2', 'n'),
  ('x10.2.2', 'x10.2.2.2', '1'), ('x10.2.2', 'x10.2.2.3', '1'), ('x10.2.2', 'x10.2.2.4', '1'),
  ('x10.2.2', 'x10.2.2.5', '1'), ('x10.2.2', 'x10.2.2.6', '1'),
  ('x4', 'xx4', 'n'),
  ('x5', 'x10.21.1', 'n'),
  ('x6', 'x10.21.2', 'n'),
  ('x9', 'x9.2', 'n'),
  ('x10', 'x10.2.1', 'n'),
  ('x11', 'x11.1', 'n');
