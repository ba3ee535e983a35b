-- Seed of every new ontology: the tables a new .ont file copies, in copy order.
-- Rows are stored parents first; a new ontology reads them in stored order.

CREATE TABLE Subsets (
  Subset_ID TINYINT NOT NULL PRIMARY KEY,
  Subset    VARCHAR(65) NOT NULL
);
INSERT INTO Subsets VALUES (1, 'General');

CREATE TABLE CONCEPTS (
  Concept    VARCHAR(255) NOT NULL PRIMARY KEY COLLATE NOCASE,
  Definition TEXT,
  Type       TINYINT NOT NULL,
  Subset_ID  TINYINT REFERENCES Subsets (Subset_ID)
);
-- The root and the four top concepts, then the two reserved slot names that hold
-- the domains and ranges of attribute and relation concepts.
INSERT INTO CONCEPTS VALUES
  ('ALL', 'The root of the ontology: every concept is a kind of ALL.', 100, 1),
  ('OBJECT', 'Anything that exists and can be perceived or thought of as a thing.', 1, 1),
  ('EVENT', 'Anything that happens: an action, a process or a state that occurs in time.', 2, 1),
  ('ATTRIBUTE', 'A property that an object or event has, with a value.', 3, 1),
  ('RELATION', 'A link that holds between two concepts.', 4, 1),
  ('DOMAIN', 'Reserved slot: the concepts an attribute or relation applies to.', 14, 1),
  ('RANGE', 'Reserved slot: the values or concepts an attribute or relation takes.', 14, 1);
-- A starter set of relations, each with its inverse.
INSERT INTO CONCEPTS VALUES
  ('PART-OF', 'The owner is a part of the filler.', 4, 1),
  ('HAS-PART', 'The filler is a part of the owner.', 4, 1),
  ('LOCATED-IN', 'The owner is situated in the filler.', 4, 1),
  ('LOCATION-OF', 'The filler is situated in the owner.', 4, 1),
  ('AGENT', 'The filler carries out the owner event.', 4, 1),
  ('AGENT-OF', 'The owner carries out the filler event.', 4, 1),
  ('INSTRUMENT', 'The filler is used to carry out the owner event.', 4, 1),
  ('INSTRUMENT-OF', 'The owner is used to carry out the filler event.', 4, 1),
  ('CAUSES', 'The owner brings about the filler.', 4, 1),
  ('CAUSED-BY', 'The filler brings about the owner.', 4, 1),
  ('MADE-OF', 'The owner consists of the filler as material.', 4, 1),
  ('MATERIAL-OF', 'The owner is the material the filler consists of.', 4, 1);
-- A few attributes.
INSERT INTO CONCEPTS VALUES
  ('COLOR', 'The colour of an object.', 3, 1),
  ('SIZE', 'How big an object is.', 3, 1),
  ('SHAPE', 'The outline or form of an object.', 3, 1),
  ('DURATION', 'How long an event lasts.', 3, 1);

CREATE TABLE ISA (
  Concept VARCHAR(255) NOT NULL COLLATE NOCASE REFERENCES CONCEPTS (Concept),
  ISA     VARCHAR(255) NOT NULL COLLATE NOCASE REFERENCES CONCEPTS (Concept),
  PRIMARY KEY (Concept, ISA)
);
INSERT INTO ISA VALUES
  ('OBJECT', 'ALL'), ('EVENT', 'ALL'), ('ATTRIBUTE', 'ALL'), ('RELATION', 'ALL'),
  ('DOMAIN', 'ALL'), ('RANGE', 'ALL'),
  ('PART-OF', 'RELATION'), ('HAS-PART', 'RELATION'),
  ('LOCATED-IN', 'RELATION'), ('LOCATION-OF', 'RELATION'),
  ('AGENT', 'RELATION'), ('AGENT-OF', 'RELATION'),
  ('INSTRUMENT', 'RELATION'), ('INSTRUMENT-OF', 'RELATION'),
  ('CAUSES', 'RELATION'), ('CAUSED-BY', 'RELATION'),
  ('MADE-OF', 'RELATION'), ('MATERIAL-OF', 'RELATION'),
  ('COLOR', 'ATTRIBUTE'), ('SIZE', 'ATTRIBUTE'), ('SHAPE', 'ATTRIBUTE'), ('DURATION', 'ATTRIBUTE');

CREATE TABLE INVERSES (
  Relation VARCHAR(255) NOT NULL COLLATE NOCASE REFERENCES CONCEPTS (Concept),
  Inverse  VARCHAR(255) NOT NULL COLLATE NOCASE REFERENCES CONCEPTS (Concept),
  PRIMARY KEY (Relation, Inverse)
);
-- Both directions of every pair; RELATION itself is offered as a relation, so it is
-- its own inverse.
INSERT INTO INVERSES VALUES
  ('RELATION', 'RELATION'),
  ('PART-OF', 'HAS-PART'), ('HAS-PART', 'PART-OF'),
  ('LOCATED-IN', 'LOCATION-OF'), ('LOCATION-OF', 'LOCATED-IN'),
  ('AGENT', 'AGENT-OF'), ('AGENT-OF', 'AGENT'),
  ('INSTRUMENT', 'INSTRUMENT-OF'), ('INSTRUMENT-OF', 'INSTRUMENT'),
  ('CAUSES', 'CAUSED-BY'), ('CAUSED-BY', 'CAUSES'),
  ('MADE-OF', 'MATERIAL-OF'), ('MATERIAL-OF', 'MADE-OF');

CREATE TABLE RELATIONS (
  Relation_ID INTEGER PRIMARY KEY AUTOINCREMENT,
  Concept1    VARCHAR(255) NOT NULL COLLATE NOCASE REFERENCES CONCEPTS (Concept),
  Rel         VARCHAR(255) NOT NULL COLLATE NOCASE REFERENCES CONCEPTS (Concept),
  "Default"   BOOLEAN NOT NULL DEFAULT 0,
  Concept2    VARCHAR(255) NOT NULL COLLATE NOCASE REFERENCES CONCEPTS (Concept)
);
-- The domains and ranges of the starter relations and attributes.
INSERT INTO RELATIONS (Concept1, Rel, Concept2) VALUES
  ('PART-OF', 'DOMAIN', 'OBJECT'), ('PART-OF', 'RANGE', 'OBJECT'),
  ('HAS-PART', 'DOMAIN', 'OBJECT'), ('HAS-PART', 'RANGE', 'OBJECT'),
  ('LOCATED-IN', 'DOMAIN', 'ALL'), ('LOCATED-IN', 'RANGE', 'OBJECT'),
  ('LOCATION-OF', 'DOMAIN', 'OBJECT'), ('LOCATION-OF', 'RANGE', 'ALL'),
  ('AGENT', 'DOMAIN', 'EVENT'), ('AGENT', 'RANGE', 'OBJECT'),
  ('AGENT-OF', 'DOMAIN', 'OBJECT'), ('AGENT-OF', 'RANGE', 'EVENT'),
  ('INSTRUMENT', 'DOMAIN', 'EVENT'), ('INSTRUMENT', 'RANGE', 'OBJECT'),
  ('INSTRUMENT-OF', 'DOMAIN', 'OBJECT'), ('INSTRUMENT-OF', 'RANGE', 'EVENT'),
  ('CAUSES', 'DOMAIN', 'ALL'), ('CAUSES', 'RANGE', 'EVENT'),
  ('CAUSED-BY', 'DOMAIN', 'EVENT'), ('CAUSED-BY', 'RANGE', 'ALL'),
  ('MADE-OF', 'DOMAIN', 'OBJECT'), ('MADE-OF', 'RANGE', 'OBJECT'),
  ('MATERIAL-OF', 'DOMAIN', 'OBJECT'), ('MATERIAL-OF', 'RANGE', 'OBJECT'),
  ('COLOR', 'DOMAIN', 'OBJECT'), ('SIZE', 'DOMAIN', 'OBJECT'),
  ('SHAPE', 'DOMAIN', 'OBJECT'), ('DURATION', 'DOMAIN', 'EVENT');

CREATE TABLE Languages (
  Lang_ID  VARCHAR(2) NOT NULL PRIMARY KEY COLLATE NOCASE,
  Language VARCHAR(255) NOT NULL,
  Show     BOOLEAN NOT NULL DEFAULT 0
);
-- By ISO 639-1 code; English and Spanish are the working languages of a new ontology.
INSERT INTO Languages VALUES
  ('af', 'Afrikaans', 0), ('ar', 'Arabic', 0), ('bg', 'Bulgarian', 0), ('ca', 'Catalan', 0),
  ('cs', 'Czech', 0), ('cy', 'Welsh', 0), ('da', 'Danish', 0), ('de', 'German', 0),
  ('el', 'Greek', 0), ('en', 'English', 1), ('eo', 'Esperanto', 0), ('es', 'Spanish', 1),
  ('et', 'Estonian', 0), ('eu', 'Basque', 0), ('fa', 'Persian', 0), ('fi', 'Finnish', 0),
  ('fr', 'French', 0), ('ga', 'Irish', 0), ('gl', 'Galician', 0), ('he', 'Hebrew', 0),
  ('hi', 'Hindi', 0), ('hr', 'Croatian', 0), ('hu', 'Hungarian', 0), ('id', 'Indonesian', 0),
  ('is', 'Icelandic', 0), ('it', 'Italian', 0), ('ja', 'Japanese', 0), ('ko', 'Korean', 0),
  ('la', 'Latin', 0), ('lt', 'Lithuanian', 0), ('lv', 'Latvian', 0), ('mt', 'Maltese', 0),
  ('nl', 'Dutch', 0), ('no', 'Norwegian', 0), ('pl', 'Polish', 0), ('pt', 'Portuguese', 0),
  ('ro', 'Romanian', 0), ('ru', 'Russian', 0), ('sk', 'Slovak', 0), ('sl', 'Slovenian', 0),
  ('sq', 'Albanian', 0), ('sr', 'Serbian', 0), ('sv', 'Swedish', 0), ('sw', 'Swahili', 0),
  ('th', 'Thai', 0), ('tr', 'Turkish', 0), ('uk', 'Ukrainian', 0), ('vi', 'Vietnamese', 0),
  ('zh', 'Chinese', 0);
