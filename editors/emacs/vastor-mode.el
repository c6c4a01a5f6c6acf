;;; vastor-mode.el --- Major mode for Vastor type specifications  -*- lexical-binding: t -*-

;; Installed by: typetools

;;; Commentary:

;; A type specification holds an optional Java preamble between %{ and %},
;; the directive Types = { int < float  bool }, and class definitions with
;; their constructor arguments (Type, String, with + for any number), class
;; code blocks %{ %} and methods with Java bodies.
;;
;; Highlighted: the keywords Types and class, type names in the directive,
;; class names and arguments, method result types, names and parameter
;; types; in the Java parts Java keywords, primitive and capitalised types
;; and constants.  Strings and comments come from the syntax table.
;;
;; Files are recognised by their content (see `vastor-specification-p'),
;; whatever their name, and by the extension .vastor.  `compile-command'
;; defaults to running Vastor on the file; typetools-compile.el lets
;; M-x compile jump to its errors.
;;
;; Also: indentation that follows braces (typetools-indent.el), imenu
;; (the types of the directive, the classes, the methods), folding of
;; braces with `hs-minor-mode' and of the directive and classes with
;; `outline-minor-mode', and a flymake backend (`flymake-mode').

;;; Code:

(require 'seq)
(require 'typetools-indent)

(defgroup vastor nil
  "Vastor type specifications and Perlan grammars."
  :group 'languages)

(defconst vastor-identifier "\\_<[A-Za-z][A-Za-z0-9_.]*"
  "A name of the specification language; it may be dotted.")

(defconst vastor-java-keywords
  (regexp-opt '("abstract" "assert" "break" "case" "catch" "class" "continue"
                "default" "do" "else" "enum" "extends" "final" "finally" "for"
                "if" "implements" "import" "instanceof" "interface" "native"
                "new" "package" "private" "protected" "public" "return"
                "static" "super" "switch" "synchronized" "this" "throw"
                "throws" "transient" "try" "var" "volatile" "while" "yield")
              'symbols)
  "Java keywords.")

(defconst vastor-java-types
  (concat (regexp-opt '("boolean" "byte" "char" "double" "float" "int" "long"
                        "short" "void")
                      'symbols)
          "\\|\\_<[A-Z][A-Za-z0-9_]*\\_>")
  "Java primitive types and capitalised names, which are types by convention.")

(defconst vastor-java-constants (regexp-opt '("true" "false" "null") 'symbols)
  "Java literals that are words.")

(defvar vastor-mode-syntax-table
  (let ((table (make-syntax-table)))
    (modify-syntax-entry ?/ ". 124b" table)
    (modify-syntax-entry ?* ". 23" table)
    (modify-syntax-entry ?\n "> b" table)
    (modify-syntax-entry ?\" "\"" table)
    (modify-syntax-entry ?\' "\"" table)
    (modify-syntax-entry ?\\ "\\" table)
    (modify-syntax-entry ?_ "_" table)
    (modify-syntax-entry ?$ "_" table)
    ;; Operators end words: "Type+" is the word Type and a "+".
    (dolist (char '(?% ?< ?> ?+ ?- ?= ?& ?| ?! ?? ?: ?\; ?, ?@ ?~ ?^))
      (modify-syntax-entry char "." table))
    table)
  "Syntax table of `vastor-mode': Java strings, characters and comments.")

(defun vastor--after (pos char)
  "Whether CHAR is the last character before POS, blanks aside."
  (save-excursion
    (goto-char pos)
    (skip-chars-backward " \t\n")
    (eq (char-before) char)))

(defun vastor--context (pos)
  "Where POS lies in a specification.
One of `comment', `top', `arguments' (of a class), `types' (the
directive's braces), `members' (between the members of a class),
`parameters' (of a method) and `java' (preamble, code block, method body)."
  (save-excursion
    (let* ((ppss (syntax-ppss pos))
           (opens (nth 9 ppss))
           (braces (seq-filter (lambda (open) (eq (char-after open) ?{)) opens)))
      (cond ((nth 8 ppss) 'comment)
            ((null braces) (if opens 'arguments 'top))
            ((vastor--after (car braces) ?%) 'java)
            ((vastor--after (car braces) ?=) 'types)
            ((cdr braces) 'java)
            ((cdr opens) 'parameters)
            (t 'members)))))

(defun vastor--matcher (regexp contexts &optional context-function)
  "A font-lock matcher for REGEXP where CONTEXT-FUNCTION gives one of CONTEXTS."
  (let ((context-function (or context-function #'vastor--context)))
    (lambda (limit)
      (let (found)
        (while (and (not found) (re-search-forward regexp limit t))
          (setq found (memq (save-match-data
                              (funcall context-function (match-beginning 0)))
                            contexts)))
        found))))

(defun vastor-java-font-lock-keywords (context-function)
  "Font-lock keywords for Java where CONTEXT-FUNCTION says `java'."
  `((,(vastor--matcher vastor-java-keywords '(java) context-function)
     0 font-lock-keyword-face)
    (,(vastor--matcher vastor-java-types '(java) context-function)
     0 font-lock-type-face)
    (,(vastor--matcher vastor-java-constants '(java) context-function)
     0 font-lock-constant-face)))

(defvar vastor-font-lock-keywords
  (append
   `((,(vastor--matcher "\\_<Types\\_>" '(top)) 0 font-lock-keyword-face)
     (,(vastor--matcher (concat "\\_<\\(class\\)\\_>\\(?:[ \t]+\\("
                                vastor-identifier "\\)\\)?")
                        '(top))
      (1 font-lock-keyword-face) (2 font-lock-type-face nil t))
     (,(vastor--matcher vastor-identifier '(types)) 0 font-lock-type-face)
     (,(vastor--matcher "\\_<\\(?:Type\\|String\\)\\_>" '(arguments))
      0 font-lock-type-face)
     (,(vastor--matcher (concat "\\(" vastor-identifier "\\)[ \t\n]+\\("
                                vastor-identifier "\\)[ \t\n]*(")
                        '(members))
      (1 font-lock-type-face) (2 font-lock-function-name-face))
     (,(vastor--matcher (concat "\\(" vastor-identifier "\\)[ \t\n]+[A-Za-z]")
                        '(parameters))
      1 font-lock-type-face)
     ("%[{}]" 0 font-lock-preprocessor-face))
   (vastor-java-font-lock-keywords #'vastor--context))
  "Highlighting of `vastor-mode'.")

;;;###autoload
(defun vastor-specification-p ()
  "Whether the buffer holds a type specification.
True when the first text that is neither a comment nor the %{ %}
preamble is the directive Types = {.  Used in `magic-mode-alist', which
narrows the buffer to its first `magic-mode-regexp-match-limit'
characters: the whole buffer is looked at, so that a specification after
a long licence header is one too.  Only the leading comments and
preamble are read."
  (save-excursion
    (save-restriction
    (widen)
    (goto-char (point-min))
    (let ((preamble-seen nil) (result 'unknown))
      (while (eq result 'unknown)
        (skip-chars-forward " \t\n\r")
        (cond ((looking-at "//")
               (forward-line 1)
               (when (eobp) (setq result nil)))
              ((looking-at "/\\*")
               (unless (search-forward "*/" nil t) (setq result nil)))
              ((and (not preamble-seen) (looking-at "%[ \t\n\r]*{"))
               (setq preamble-seen t)
               (unless (search-forward "%}" nil t) (setq result nil)))
              (t (setq result (looking-at "Types[ \t\n\r]*=[ \t\n\r]*{")))))
      result))))

;; Indentation

(defun vastor--indentation ()
  "The column of the line at point; nil to leave it as it is."
  (save-excursion
    (beginning-of-line)
    (let* ((ppss (syntax-ppss))
           (open (nth 1 ppss)))
      (cond ((nth 3 ppss) nil)
            ((nth 4 ppss) (typetools-indent-in-comment (nth 8 ppss)))
            ((null open) 0)
            (t (typetools-indent-in-brackets
                open (eq (vastor--context (1+ open)) 'java)))))))

(defun vastor-indent-line ()
  "Indent the current line of a type specification."
  (interactive)
  (typetools-indent-apply (vastor--indentation)))

;; Outline: imenu, hideshow and outline headings

(defun vastor--class-of (pos)
  "The name of the class whose body holds POS."
  (save-excursion
    (goto-char (car (last (nth 9 (syntax-ppss pos)))))
    (and (re-search-backward (concat "\\_<class[ \t\n]+\\(" vastor-identifier "\\)") nil t)
         (match-string-no-properties 1))))

(defun vastor--find-all (regexp group contexts)
  "The (TEXT . POSITION) of GROUP of each match of REGEXP found in CONTEXTS."
  (save-excursion
    (goto-char (point-min))
    (let ((matcher (vastor--matcher regexp contexts)) found)
      (while (funcall matcher (point-max))
        (push (cons (match-string-no-properties group) (match-beginning group)) found))
      (nreverse found))))

(defun vastor-imenu-create-index ()
  "The imenu index: the types of the directive, the classes, the methods."
  (let ((types (vastor--find-all vastor-identifier 0 '(types)))
        (classes (vastor--find-all (concat "\\_<class[ \t\n]+\\(" vastor-identifier "\\)")
                                   1 '(top)))
        (methods (mapcar (lambda (method)
                           (cons (concat (vastor--class-of (cdr method)) "." (car method))
                                 (cdr method)))
                         (vastor--find-all (concat vastor-identifier "[ \t\n]+\\("
                                                   vastor-identifier "\\)[ \t\n]*(")
                                           1 '(members)))))
    (seq-filter #'cdr (list (cons "Types" types) (cons "Classes" classes)
                            (cons "Methods" methods)))))

(defconst vastor-outline-regexp "\\(?:Types\\|class\\)\\_>"
  "Headings of `outline-minor-mode': the directive and each class.")

(with-eval-after-load 'hideshow
  (dolist (mode '(vastor-mode perlan-mode))
    (unless (assq mode hs-special-modes-alist)
      (push (list mode "{\\|/\\*<" "}\\|>\\*/" "/[*/]" #'vastor-hs-forward nil)
            hs-special-modes-alist))))

(defun vastor-hs-forward (&optional arg)
  "Move over the braces or the typechecking block at point, for hideshow.
ARG is passed on to `forward-sexp'."
  (if (looking-at "/\\*<")
      (search-forward ">*/" nil t)
    (forward-sexp arg)))

(defun vastor--common-setup ()
  "What `vastor-mode' and `perlan-mode' set alike."
  (setq-local comment-start "// ")
  (setq-local comment-end "")
  (setq-local comment-start-skip "\\(?://+\\|/\\*+\\)\\s *")
  (setq-local font-lock-multiline t))

;;;###autoload
(define-derived-mode vastor-mode prog-mode "Vastor"
  "Major mode for Vastor type specifications."
  :syntax-table vastor-mode-syntax-table
  (vastor--common-setup)
  (setq-local font-lock-defaults '(vastor-font-lock-keywords))
  (setq-local indent-line-function #'vastor-indent-line)
  (setq-local imenu-create-index-function #'vastor-imenu-create-index)
  (setq-local outline-regexp vastor-outline-regexp)
  (setq-local outline-level (lambda () 1))
  (add-hook 'flymake-diagnostic-functions #'typetools-flymake-vastor nil t)
  (when buffer-file-name
    (setq-local compile-command
                (concat "Vastor "
                        (shell-quote-argument
                         (file-name-nondirectory buffer-file-name))))))

(provide 'vastor-mode)

;;; vastor-mode.el ends here
