;;; emacs_test.el --- Checks of the installed Emacs files  -*- lexical-binding: t -*-

;; emacs --batch -Q -L <folder of the Emacs files> -l emacs_test.el
;; with $SAMPLES (this folder), $SCRATCH (a writable folder) and Vastor and
;; Perlan on $PATH.  Exits non-zero after listing the failures.

(require 'typetools-autoloads)
(require 'compile)

(defvar test-failures nil)
(defconst test-samples (file-name-as-directory (getenv "SAMPLES")))
(defconst test-scratch (file-name-as-directory (getenv "SCRATCH")))

(defun test-expect (what got expected)
  (unless (equal got expected)
    (push (format "%s: got %S, expected %S" what got expected) test-failures)))

;; The TextMate scopes that the samples assert, and the faces that must be
;; found at the same places.
(defconst test-faces
  '(("keyword.other.import.java" font-lock-keyword-face)
    ("comment.block.vastor" font-lock-comment-delimiter-face font-lock-comment-face)
    ("keyword.other.types.vastor" font-lock-keyword-face)
    ("entity.name.type.vastor" font-lock-type-face)
    ("storage.type.class.vastor" font-lock-keyword-face)
    ("entity.name.type.class.vastor" font-lock-type-face)
    ("support.type.argument.vastor" font-lock-type-face)
    ("storage.type.primitive.java" font-lock-type-face)
    ("entity.name.type.result.vastor" font-lock-type-face)
    ("entity.name.function.vastor" font-lock-function-name-face)
    ("entity.name.type.parameter.vastor" font-lock-type-face)
    ("keyword.control.java" font-lock-keyword-face)
    ("string.quoted.double.java" font-lock-string-face)
    ("keyword.other.directive.perlan" font-lock-keyword-face)
    ("entity.name.function.nonterminal.perlan" font-lock-function-name-face)
    ("punctuation.section.embedded.begin.perlan" font-lock-preprocessor-face)
    ("string.quoted.single.perlan" font-lock-string-face)
    ("comment.block.java" font-lock-comment-delimiter-face font-lock-comment-face)
    ("comment.line.double-slash.java" font-lock-comment-delimiter-face font-lock-comment-face)
    ("variable.language.perlan" font-lock-variable-name-face)
    ("punctuation.section.embedded.end.perlan" font-lock-preprocessor-face)))

(defun test-sample (file mode)
  "Check the mode of FILE and the faces that its assertion lines name.
An assertion line \"// ^^^ scope\" or \"// <-- scope\" names columns of
the closest line above that is not an assertion."
  (with-current-buffer (find-file-noselect (expand-file-name file test-samples))
    (test-expect (concat file " mode") major-mode mode)
    (font-lock-ensure)
    (goto-char (point-min))
    (let ((target (point)))
      (while (not (eobp))
        (if (not (looking-at "//[ \t]*\\(\\^+\\|<-+\\)[ \t]+\\([^ \t\n]+\\)"))
            (setq target (point))
          (let* ((arrow (match-string 1))
                 (scope (match-string 2))
                 (first (if (eq (aref arrow 0) ?<) 0 (- (match-beginning 1) (point))))
                 (last (if (eq (aref arrow 0) ?<) 0 (+ first (length arrow) -1))))
            (dolist (column (list first last))
              (let ((faces (ensure-list (get-text-property (+ target column) 'face)))
                    (expected (cdr (assoc scope test-faces))))
                (unless (seq-intersection faces expected)
                  (push (format "%s:%d:%d %s: got %S, expected one of %S" file
                                (line-number-at-pos target) (1+ column) scope faces expected)
                        test-failures))))))
        (forward-line 1)))))

(test-sample "sample.spec" 'vastor-mode)
(test-sample "sample.yt" 'perlan-mode)
(test-sample "long-header.spec" 'vastor-mode)
(with-current-buffer (find-file-noselect (expand-file-name "rpm.spec" test-samples))
  (test-expect "rpm.spec mode" (eq major-mode 'vastor-mode) nil))
(with-current-buffer (find-file-noselect (expand-file-name "new.vastor" test-scratch))
  (test-expect "new.vastor mode" major-mode 'vastor-mode))

;; M-x compile with the mode's own command, on a file whose name has a blank
;; (the command escapes it with a backslash): next-error visits the file at
;; the line.
(defun test-compile (fixture line)
  (let* ((file (expand-file-name (concat "broken " fixture) test-scratch))
         (command (progn (copy-file (expand-file-name fixture test-samples) file t)
                         (with-current-buffer (find-file-noselect file) compile-command)))
         (default-directory test-scratch)
         (buffer (compile command)))
    (while (get-buffer-process buffer)
      (accept-process-output (get-buffer-process buffer) 0.1))
    (with-current-buffer buffer
      (goto-char (point-min))
      (condition-case err
          (progn
            (next-error 1 t)
            (with-current-buffer (window-buffer (selected-window))
              (test-expect command
                           (list buffer-file-name (line-number-at-pos (window-point)))
                           (list file line))))
        (error (push (format "%s: %S in\n%s" command err (buffer-string)) test-failures))))))

(test-compile "broken.spec" 6)
(test-compile "broken.yt" 2)

;; A build log (messages.txt) that echoes the command lines, as make does: each
;; message belongs to the input of the last Vastor or Perlan command above it.
(with-temp-buffer
  (insert-file-contents (expand-file-name "messages.txt" test-samples))
  (compilation-mode)
  (compilation--ensure-parse (point-max))
  (let (match locations)
    (while (setq match (text-property-search-forward 'compilation-message nil nil t))
      (let ((loc (compilation--message->loc (prop-match-value match))))
        (push (list (caar (compilation--loc->file-struct loc)) (compilation--loc->line loc))
              locations)))
    (test-expect "build log" (reverse locations)
                 '(("types.spec" 1) ("types.spec" 3) ("grammar.yt" 9) ("grammar.yt" 4)
                   ("other dir/t.spec" 7) ("other dir/t.spec" 2) ("bad types.spec" 5)))))

;; Indentation: the samples, flattened, come back as they were.
(dolist (file '("indent.spec" "indent.yt"))
  (with-current-buffer (find-file-noselect (expand-file-name file test-samples))
    (let ((expected (buffer-string)))
      (setq-local indent-tabs-mode nil)
      (setq-local typetools-indent-offset 4)
      (goto-char (point-min))
      (while (re-search-forward "^[ \t]+" nil t) (replace-match ""))
      (indent-region (point-min) (point-max))
      (let ((got (split-string (buffer-string) "\n")) (line 0))
        (dolist (want (split-string expected "\n"))
          (setq line (1+ line))
          (test-expect (format "%s:%d indentation" file line) (pop got) want)))
      (revert-buffer t t))))

;; Folding, the rows of folds.txt: hs-minor-mode hides the innermost braces
;; or block at the line; a rule is an outline heading.
(require 'hideshow)
(require 'outline)
(with-temp-buffer
  (insert-file-contents (expand-file-name "folds.txt" test-samples))
  (dolist (row (split-string (buffer-string) "\n" t))
    (unless (string-prefix-p "#" row)
      (pcase-let ((`(,file ,line ,first ,last ,kind) (split-string row)))
        (with-current-buffer (find-file-noselect (expand-file-name file test-samples))
          (hs-minor-mode 1)
          (hs-show-all)
          (goto-char (point-min))
          (if (equal kind "rule")
              (progn (forward-line (1- (string-to-number first)))
                     (test-expect (format "%s:%s outline heading" file first)
                                  (outline-on-heading-p) t))
            (forward-line (1- (string-to-number line)))
            (back-to-indentation)
            (hs-hide-block)
            (let ((hidden (seq-find (lambda (overlay) (overlay-get overlay 'hs))
                                    (overlays-in (point-min) (point-max)))))
              (test-expect (format "%s:%s fold" file line)
                           (and hidden (list (line-number-at-pos (overlay-start hidden))
                                             (line-number-at-pos (overlay-end hidden))))
                           (list (string-to-number first) (string-to-number last))))))))))

;; imenu lists the outline of outline.txt.
(require 'imenu)
(let (entries)
  (dolist (file '("indent.spec" "indent.yt"))
    (with-current-buffer (find-file-noselect (expand-file-name file test-samples))
      (dolist (entry (funcall imenu-create-index-function))
        (if (imenu--subalist-p entry)
            (dolist (item (cdr entry))
              (push (format "%s %s %s %d" file (cdr (assoc (car entry) '(("Types" . "type") ("Classes" . "class") ("Methods" . "method"))))
                            (car item) (line-number-at-pos (cdr item)))
                    entries))
          (push (format "%s rule %s %d" file (car entry) (line-number-at-pos (cdr entry))) entries)))))
  (with-temp-buffer
    (insert-file-contents (expand-file-name "outline.txt" test-samples))
    (test-expect "imenu" (sort entries #'string<)
                 (sort (seq-remove (lambda (line) (string-prefix-p "#" line))
                                   (split-string (buffer-string) "\n" t))
                       #'string<))))

;; flymake: a broken buffer gets its diagnostic at the line of the message.
(dolist (case '(("broken.spec" typetools-flymake-vastor 6) ("broken.yt" typetools-flymake-perlan 2)))
  (pcase-let ((`(,file ,backend ,line) case))
    (with-current-buffer (find-file-noselect (expand-file-name file test-samples))
      (let ((reported 'none))
        (funcall backend (lambda (diagnostics &rest _) (setq reported diagnostics)))
        (with-timeout (20 (push (format "%s: flymake timed out" file) test-failures))
          (while (eq reported 'none) (accept-process-output nil 0.05)))
        (test-expect (format "%s flymake" file)
                     (and (listp reported)
                          (mapcar (lambda (diagnostic)
                                    (line-number-at-pos (flymake-diagnostic-beg diagnostic)))
                                  reported))
                     (list line))))))

(if (null test-failures)
    (kill-emacs 0)
  (dolist (failure (reverse test-failures)) (message "FAIL %s" failure))
  (kill-emacs 1))
